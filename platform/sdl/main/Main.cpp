// The game's program entry: one copy at a time, the SDL back-ends, the main window's loop.
#include <SDL.h>

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

namespace {
// Shipped beside the program, so no system font lookup happens at run time.
constexpr const char* kFontFile = "DejaVuSans-Bold.ttf";
}  // namespace

int main() {
  sk::SingleInstanceLock lock;
  if (!lock.Acquire()) return 0;  // another copy runs: leave without a word

  SDL_SetHint(SDL_HINT_APP_NAME, sk::kApplicationTitle);
  SDL_Init(SDL_INIT_EVENTS);

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
