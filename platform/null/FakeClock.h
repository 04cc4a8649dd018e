#pragma once
#include "game/platform/ShellPlatform.h"

namespace sk {

// A clock that only moves when told to, or when someone sleeps or waits on it.
class FakeClock : public Clock {
 public:
  explicit FakeClock(std::uint32_t start = 0) : now(start) {}
  std::uint32_t now;
  std::uint32_t slept = 0;  // total of all Sleep calls

  std::uint32_t Milliseconds() override { return now; }
  void Sleep(std::uint32_t milliseconds) override {
    now += milliseconds;
    slept += milliseconds;
  }
};

}  // namespace sk
