// The game's program entry: one copy at a time, the SDL back-ends, the main window's loop.
#include <SDL.h>

#include <cstdio>
#include <memory>

#include "common/Printable.h"
#include "game/demo/DemoSession.h"
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

int main(int argc, char** argv) {
  const sk::TCommandLine command = sk::ParseCommandLine(argc, argv);
  if (!command.Error.empty()) {
    std::fprintf(stderr, "%s\n%s\n", command.Error.c_str(), sk::kCommandLineUsage);
    return 2;
  }
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
  // A playback prints its checkpoints, the same lines SKDEMO prints.
  sk::TDemoSession demo(command, [](const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  // SDL turns SIGINT and SIGTERM into a quit event; a playback asks for it while it works.
  demo.StopRequested = [] {
    SDL_PumpEvents();
    return SDL_HasEvent(SDL_QUIT) == SDL_TRUE;
  };
  std::string message;
  if (!demo.Prepare(desktop, message)) {
    // Stopped by a signal, the player is at the terminal: no box to click away.
    if (demo.StopRequested()) {
      std::fprintf(stderr, "%s\n", sk::PrintableText(message).c_str());
    } else {
      desktop.ShowErrorBox(sk::kApplicationTitle, message, "");
    }
    SDL_Quit();
    return 1;
  }
  sk::ShellServices services{clock,
                             events,
                             demo.SessionDesktop(desktop),
                             audio,
                             [&desktop](sk::TSurface& surface, sk::TImageList& images) {
                               auto display = std::make_unique<sk::TSdlDisplay>(surface, images);
                               desktop.SetDisplay(display.get());
                               return display;
                             },
                             sk::FindProgramDir() + kFontFile};
  int status = 0;
  {
    sk::Application app(std::move(services));
    demo.Attach(app);
    status = sk::RunApplication(app);
    desktop.SetDisplay(nullptr);
  }
  SDL_Quit();
  status = demo.Finish(status, message);
  if (!message.empty()) std::fprintf(stderr, "%s\n", sk::PrintableText(message, true).c_str());
  return status;
}
