#pragma once
#include <cstdint>
#include <deque>

#include "game/platform/ShellPlatform.h"
#include "platform/null/FakeClock.h"

namespace sk {

// Input from a script: each event becomes pending when the fake clock reaches its time.
// Waiting moves the clock forward to the next event or to the deadline, so a whole session
// runs in no real time. When the script is used up, waiting without a deadline ends the
// session with a Quit event.
class ScriptedEventSource : public EventSource {
 public:
  explicit ScriptedEventSource(FakeClock& clock) : clock_(clock) {}

  // Events must be added in time order.
  void At(std::uint32_t time, const TInputEvent& event) { script_.push_back({time, event}); }
  std::size_t Pending() const { return script_.size(); }
  int waits = 0;

  bool PollEvent(TInputEvent& event) override;
  bool WaitEventUntil(TInputEvent& event, std::uint32_t due) override;
  bool WaitEvent(TInputEvent& event) override;

 private:
  struct Timed {
    std::uint32_t time;
    TInputEvent event;
  };
  // Clock times compare relative to now, so a script may run across the 32-bit wrap.
  std::uint32_t Ahead(std::uint32_t time) const { return time - clock_.now; }
  bool Due(const Timed& t) const { return Ahead(t.time) == 0 || Ahead(t.time) > 0x80000000u; }
  bool TakeFront(TInputEvent& event);

  FakeClock& clock_;
  std::deque<Timed> script_;
};

}  // namespace sk
