#include "platform/sdl/StartChecks.h"

#include <SDL.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
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

// Passed on as SIGINT, whose handler SDL installs (CloseOnInterrupt makes sure it can): SDL
// turns it into the quit event, and nothing here touches the game's state.
void PassOnAsInterrupt(int) {
  const int saved = errno;
  ::kill(::getpid(), SIGINT);
  errno = saved;
}

}  // namespace

void CloseOnInterrupt() { std::signal(SIGINT, SIG_DFL); }

void CloseOnHangUp() {
  for (const int signal : {SIGHUP, SIGPIPE}) {
    struct sigaction now {};
    if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler == SIG_IGN) continue;
    struct sigaction pass {};
    pass.sa_handler = PassOnAsInterrupt;
    sigemptyset(&pass.sa_mask);
    pass.sa_flags = SA_RESTART;
    ::sigaction(signal, &pass, nullptr);
  }
}

void FinishDespiteHangUp() {
  std::signal(SIGHUP, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
}

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
