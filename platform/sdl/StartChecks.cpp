#include "platform/sdl/StartChecks.h"

#include <SDL.h>
#include <pthread.h>
#include <sys/prctl.h>

#include <csignal>
#include <initializer_list>

namespace sk {
namespace {

// Drivers that show nothing on any screen.
bool DrawsNowhere(const char* driver) {
  for (const char* name : {"offscreen", "dummy", "evdev"}) {
    if (SDL_strcasecmp(driver, name) == 0) return true;
  }
  return false;
}

bool DriverAskedFor() {
  const char* hint = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  return hint != nullptr && *hint != '\0';
}

}  // namespace

void CloseOnInterrupt() { std::signal(SIGINT, SIG_DFL); }

void EndOnSignalsFromNowOn() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  // The child dies with us instead of leaving its box on the screen.
  ::pthread_atfork(nullptr, nullptr, [] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

bool StartVideo() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && (!DrawsNowhere(driver) || DriverAskedFor())) return true;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return false;
}

}  // namespace sk
