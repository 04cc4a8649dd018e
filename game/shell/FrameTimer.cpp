#include "game/shell/FrameTimer.h"

#include <algorithm>
#include <cmath>

namespace sk {
namespace {

void StartTimer(TFrameTimer& timer, std::uint32_t now) {
  timer.Running = true;
  timer.LastTick = now;
  timer.WindowStart = now;
  // Ticks from before a pause do not belong to the window that starts now.
  timer.TickCount = 0;
}

void CountTick(TFrameTimer& timer, std::uint32_t now) {
  ++timer.TickCount;
  const std::uint32_t window = std::max<std::uint32_t>(1, now - timer.WindowStart);
  if (window < 1000) return;
  timer.FrameRate = static_cast<std::int32_t>(
      std::nearbyint(static_cast<double>(timer.TickCount) * 1000.0 / window));
  timer.TickCount = 0;
  timer.WindowStart = now;
}

}  // namespace

void SetTimerInterval(TFrameTimer& timer, std::int32_t frameDelay) {
  timer.Interval = static_cast<std::uint32_t>(std::max<std::int32_t>(0, frameDelay));
}

void EnableTimer(TFrameTimer& timer, std::uint32_t now) {
  timer.Enabled = true;
  if (timer.AppActive) StartTimer(timer, now);
}

void DisableTimer(TFrameTimer& timer) {
  timer.Enabled = false;
  timer.Running = false;
}

void ActivateTimer(TFrameTimer& timer, std::uint32_t now) {
  timer.AppActive = true;
  if (timer.Enabled) StartTimer(timer, now);
}

void DeactivateTimer(TFrameTimer& timer) {
  timer.AppActive = false;
  timer.Running = false;
}

std::optional<std::uint32_t> PollTimer(TFrameTimer& timer, std::uint32_t now) {
  if (!timer.Running) return std::nullopt;
  const std::uint32_t elapsed = now - timer.LastTick;
  if (elapsed < timer.Interval) return std::nullopt;
  timer.LastTick = now;
  const std::uint32_t lag = std::max<std::uint32_t>(1, elapsed / std::max<std::uint32_t>(1, timer.Interval));
  CountTick(timer, now);
  return lag;
}

std::uint32_t TimeUntilTick(const TFrameTimer& timer, std::uint32_t now) {
  const std::uint32_t elapsed = now - timer.LastTick;
  return elapsed >= timer.Interval ? 0 : timer.Interval - elapsed;
}

}  // namespace sk
