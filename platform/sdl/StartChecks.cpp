#include "platform/sdl/StartChecks.h"

#include <SDL.h>

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

bool StartVideo() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && (!DrawsNowhere(driver) || DriverAskedFor())) return true;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return false;
}

}  // namespace sk
