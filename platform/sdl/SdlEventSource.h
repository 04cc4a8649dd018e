#pragma once
#include <deque>

#include "game/platform/ShellPlatform.h"
#include "platform/sdl/SdlClock.h"

union SDL_Event;

namespace sk {

// SDL's event queue, translated into the game's own input events.
class SdlEventSource : public EventSource {
 public:
  explicit SdlEventSource(SdlClock& clock) : clock_(clock) {}

  bool PollEvent(TInputEvent& event) override;
  bool WaitEventUntil(TInputEvent& event, std::uint32_t due) override;
  bool WaitEvent(TInputEvent& event) override;

 private:
  // Queues what one SDL event means to the game (typed text may be several characters).
  void Translate(const SDL_Event& sdl);
  bool TakePending(TInputEvent& event);

  SdlClock& clock_;
  std::deque<TInputEvent> pending_;
};

}  // namespace sk
