#include "game/play/Random.h"

#include <chrono>

namespace sk {

std::uint32_t MillisecondsSinceUtcMidnight() {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const auto midnight = floor<days>(now);
  return static_cast<std::uint32_t>((now - midnight).count());
}

}  // namespace sk
