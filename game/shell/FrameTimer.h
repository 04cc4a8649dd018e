#pragma once
#include <cstdint>
#include <optional>

namespace sk {

// The frame timer: turns a 32-bit millisecond clock into frame ticks. It ticks only while
// it is enabled and the program is the active application; each start begins a fresh
// measuring window, so time spent stopped never turns into a burst of catch-up ticks.
struct TFrameTimer {
  bool Enabled = false;
  bool AppActive = true;  // a freshly started program is the one the player is looking at
  bool Running = false;   // enabled and active: the loop polls it
  std::uint32_t Interval = 0;
  std::uint32_t LastTick = 0;
  std::uint32_t WindowStart = 0;
  std::uint32_t TickCount = 0;  // ticks in the current measuring window
  std::int32_t FrameRate = 0;   // ticks per second over the last whole window
};

// The FrameDelay setting as an interval: a negative delay acts as 0 (tick on every poll).
void SetTimerInterval(TFrameTimer& timer, std::int32_t frameDelay);
void EnableTimer(TFrameTimer& timer, std::uint32_t now);
void DisableTimer(TFrameTimer& timer);
// The program became / stopped being the active application.
void ActivateTimer(TFrameTimer& timer, std::uint32_t now);
void DeactivateTimer(TFrameTimer& timer);

// One poll of the timer at clock reading `now`: the lag count when a tick is due (and then
// counted), nothing otherwise. Differences are unsigned, so the clock may wrap.
std::optional<std::uint32_t> PollTimer(TFrameTimer& timer, std::uint32_t now);
// Milliseconds from `now` until the next tick is due (0 when it is due already). Only
// meaningful while the timer runs.
std::uint32_t TimeUntilTick(const TFrameTimer& timer, std::uint32_t now);

}  // namespace sk
