#include "platform/null/ScriptedEventSource.h"

namespace sk {

bool ScriptedEventSource::TakeFront(TInputEvent& event) {
  event = script_.front().event;
  script_.pop_front();
  return true;
}

bool ScriptedEventSource::PollEvent(TInputEvent& event) {
  if (script_.empty() || !Due(script_.front())) return false;
  return TakeFront(event);
}

bool ScriptedEventSource::WaitEventUntil(TInputEvent& event, std::uint32_t due) {
  ++waits;
  if (PollEvent(event)) return true;
  const std::uint32_t untilDue = due - clock_.now;
  if (untilDue > 0x80000000u) return false;  // the deadline has passed already
  if (!script_.empty() && Ahead(script_.front().time) <= untilDue) {
    clock_.now = script_.front().time;
    return TakeFront(event);
  }
  clock_.now = due;
  return false;
}

bool ScriptedEventSource::WaitEvent(TInputEvent& event) {
  ++waits;
  if (script_.empty()) {
    event = TInputEvent{};
    event.Kind = TInputKind::Quit;
    return true;
  }
  if (!Due(script_.front())) clock_.now = script_.front().time;
  return TakeFront(event);
}

}  // namespace sk
