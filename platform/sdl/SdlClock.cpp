#include "platform/sdl/SdlClock.h"

#include <time.h>

#include <cerrno>

namespace sk {
namespace {

constexpr std::int64_t kNanosPerMilli = 1000000;

std::int64_t MonotonicNanos() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void SleepUntilNanos(std::int64_t target) {
  timespec ts{};
  ts.tv_sec = static_cast<time_t>(target / 1000000000);
  ts.tv_nsec = static_cast<long>(target % 1000000000);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
  }
}

}  // namespace

std::uint32_t SdlClock::Milliseconds() {
  return static_cast<std::uint32_t>(MonotonicNanos() / kNanosPerMilli);
}

void SdlClock::Sleep(std::uint32_t milliseconds) {
  SleepUntilNanos(MonotonicNanos() + static_cast<std::int64_t>(milliseconds) * kNanosPerMilli);
}

void SdlClock::SleepUntil(std::uint32_t due) {
  const std::int64_t now = MonotonicNanos();
  const std::uint32_t ahead = due - static_cast<std::uint32_t>(now / kNanosPerMilli);
  if (ahead == 0 || ahead > 0x80000000u) return;
  // The start of millisecond `due`: the whole milliseconds ahead, from the current one's start.
  SleepUntilNanos(now - now % kNanosPerMilli + static_cast<std::int64_t>(ahead) * kNanosPerMilli);
}

}  // namespace sk
