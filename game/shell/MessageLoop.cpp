#include "game/shell/MessageLoop.h"

#include "game/shell/Application.h"
#include "game/shell/SKMain.h"

namespace sk {
namespace {

void HandlePendingEvents(Application& app) {
  TInputEvent event;
  while (!app.Terminated && app.Platform.events.PollEvent(event)) DispatchEvent(app, event);
}

// True when a tick was due and has run.
bool IdleStep(Application& app) {
  const auto lag = PollTimer(app.DXTimer, app.Now());
  if (!lag) return false;
  DXTimerTimer(app, *lag);
  return true;
}

void WaitForWork(Application& app) {
  TInputEvent event;
  bool got = false;
  if (app.DXTimer.Running) {
    const std::uint32_t now = app.Now();
    got = app.Platform.events.WaitEventUntil(event, now + TimeUntilTick(app.DXTimer, now));
  } else {
    got = app.Platform.events.WaitEvent(event);
  }
  if (got) DispatchEvent(app, event);
}

}  // namespace

void RunLoopOnce(Application& app) {
  HandlePendingEvents(app);
  if (app.Terminated || IdleStep(app)) return;
  WaitForWork(app);
}

int RunApplication(Application& app) {
  FormCreate(app);
  while (!app.Terminated) RunLoopOnce(app);
  return app.Failed ? 1 : 0;
}

}  // namespace sk
