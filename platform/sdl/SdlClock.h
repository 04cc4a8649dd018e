#pragma once
#include <cstdint>

#include "game/platform/ShellPlatform.h"

namespace sk {

// The monotonic clock in milliseconds, cut to 32 bits like the desktop's tick count.
class SdlClock : public Clock {
 public:
  std::uint32_t Milliseconds() override;
  void Sleep(std::uint32_t milliseconds) override;
  // Sleeps until the clock reads `due`, to well under a millisecond: the frame pace must
  // not slip by the coarse rounding of ordinary timeouts.
  void SleepUntil(std::uint32_t due);
};

}  // namespace sk
