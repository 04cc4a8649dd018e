// The game's program entry: one copy at a time, the SDL back-ends, the main window's loop.
#include <SDL.h>

#include <cstdio>
#include <memory>

#include "game/shell/Application.h"
#include "game/shell/MessageLoop.h"
#include "game/shell/ProgramDir.h"
#include "platform/sdl/DisplaySdl.h"
#include "platform/sdl/SdlAudioEngine.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlDesktop.h"
#include "platform/sdl/SdlEventSource.h"
#include "platform/sdl/SingleInstance.h"
#include "platform/sdl/StartChecks.h"

namespace {
// Shipped beside the program, so no system font lookup happens at run time.
constexpr const char* kFontFile = "DejaVuSans-Bold.ttf";
}  // namespace

int main() {
  sk::SingleInstanceLock lock;
  if (!lock.Acquire()) {  // another copy runs: leave as before, but say why
    std::fprintf(stderr, "%s is already running.\n", sk::kApplicationTitle);
    return 0;
  }

  sk::CloseOnInterrupt();
  SDL_SetHint(SDL_HINT_APP_NAME, sk::kApplicationTitle);
  SDL_Init(SDL_INIT_EVENTS);
  if (!sk::StartVideo()) {
    std::fprintf(stderr, "%s needs a graphical desktop (no display found).\n",
                 sk::kApplicationTitle);
    SDL_Quit();
    return 1;
  }

  sk::SdlClock clock;
  sk::SdlEventSource events(clock);
  sk::SdlDesktop desktop;
  sk::SdlAudioEngine audio;
  sk::ShellServices services{
      clock, events, desktop, audio,
      [&desktop](sk::TSurface& surface, sk::TImageList& images) {
        auto display = std::make_unique<sk::TSdlDisplay>(surface, images);
        desktop.SetDisplay(display.get());
        return display;
      },
      sk::FindProgramDir() + kFontFile};
  int status = 0;
  {
    sk::Application app(std::move(services));
    status = sk::RunApplication(app);
    desktop.SetDisplay(nullptr);
  }
  SDL_Quit();
  return status;
}
