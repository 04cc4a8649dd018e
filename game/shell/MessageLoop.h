#pragma once

namespace sk {

struct Application;

// Creates the main window (start-up runs) and runs the message loop until the program ends.
// Between frames the loop sleeps until an event arrives or the next tick is due, so an idle
// game costs next to no processor time; ticks come exactly when a busy loop would make them.
// Returns the process exit status: 0 after a normal close, 1 after an error.
int RunApplication(Application& app);

// One turn of the loop: pending events, then a tick if one is due, else a wait.
void RunLoopOnce(Application& app);

}  // namespace sk
