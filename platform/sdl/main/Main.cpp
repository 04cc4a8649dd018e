// The game's program entry: the command line, one copy at a time, the SDL back-ends, the main
// window's loop.
#include <SDL.h>

#include <cstdio>
#include <memory>
#include <optional>

#include "common/FileIo.h"
#include "common/Printable.h"
#include "common/StopSignals.h"
#include "game/demo/DemoSession.h"
#include "game/platform/GamePaths.h"
#include "game/shell/Application.h"
#include "game/shell/CommandLine.h"
#include "game/shell/MessageLoop.h"
#include "game/shell/ProgramDir.h"
#include "game/shell/SKInit.h"
#include "platform/sdl/DisplaySdl.h"
#include "platform/sdl/SdlAudioEngine.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlDesktop.h"
#include "platform/sdl/SdlEventSource.h"
#include "platform/sdl/SingleInstance.h"
#include "platform/sdl/StartChecks.h"

namespace {

// Says why the game does not start, on standard error only: no window has been opened. The
// message may quote a demo or a path: control bytes are shown, never sent to the terminal.
int Refuse(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", sk::kApplicationTitle, sk::PrintableText(message).c_str());
  return 1;
}

// Prepares a recording or a playback. Ctrl+C or a kill while a playback's folder is being made
// ends the program as the signal would, once the folder is removed.
bool PrepareDemo(std::optional<sk::TDemoSession>& demo, sk::Desktop& desktop,
                 std::string& message) {
  sk::TStopSignals signals;
  demo->StopRequested = [&signals] { return signals.Pending() != 0; };
  const bool ready = demo->Prepare(desktop, message);
  demo->StopRequested = nullptr;
  if (const int signal = signals.Pending()) {
    demo.reset();
    signals.EndBy(signal);
  }
  return ready;
}

// Answers --help and --version, and refuses a wrong command line; nothing when the game is to
// run.
std::optional<int> AnswerCommandLine(const sk::TCommandLine& command, const std::string& program,
                                     const std::optional<sk::TGamePaths>& paths) {
  if (!command.Error.empty()) {
    std::fprintf(stderr, "%s: %s\n%s", program.c_str(), sk::PrintableText(command.Error).c_str(),
                 sk::CommandLineUsage(program).c_str());
    return 2;
  }
  if (command.Help) {
    std::fputs(sk::CommandLineHelp(program).c_str(), stdout);
    if (paths) std::fputs(sk::FilesHelp(*paths).c_str(), stdout);
    return 0;
  }
  if (command.Version) {
    std::printf("%s\n", sk::VersionLine().c_str());
    return 0;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = argc > 0 ? sk::NameOf(argv[0]) : "skarveth";
  const sk::TCommandLine command = sk::ParseCommandLine(argc, argv);
  std::string problem;
  const auto paths = sk::FindGamePaths(sk::FindProgramDir(), sk::ProcessUserEnvironment(),
                                       sk::InstalledDataFromProgram(), problem);
  if (const auto status = AnswerCommandLine(command, program, paths)) return *status;
  if (!paths) return Refuse("Cannot start: " + problem + ".");
  if (!command.TestMap.empty()) {
    if (const auto mapProblem = sk::TestMapProblem(command.TestMap))
      return Refuse("Cannot load test map: \"" + command.TestMap + "\" (" + *mapProblem + ")");
  }
  sk::SdlDesktop desktop(*paths);
  // A playback prints its checkpoints, the same lines SKDEMO prints.
  std::optional<sk::TDemoSession> demo;
  demo.emplace(command, [](const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  std::string message;
  if (!PrepareDemo(demo, desktop, message)) return Refuse(message);
  for (const std::string& notice : demo->Notices())
    std::fprintf(stderr, "%s\n", sk::PrintableText(notice).c_str());

  sk::SingleInstanceLock lock;
  if (!lock.Acquire()) {  // another copy runs: leave as before, but say why
    std::fprintf(stderr, "%s is already running.\n", sk::kApplicationTitle);
    return 0;
  }

  sk::CloseOnInterrupt();
  sk::CloseOnHangUp();
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
  sk::SdlAudioEngine audio;
  // SDL turns SIGINT and SIGTERM into a quit event; a playback asks for it while it runs.
  demo->StopRequested = [] {
    SDL_PumpEvents();
    return SDL_HasEvent(SDL_QUIT) == SDL_TRUE;
  };
  sk::ShellServices services{clock,
                             events,
                             demo->SessionDesktop(desktop),
                             audio,
                             [&desktop](sk::TSurface& surface, sk::TImageList& images) {
                               auto display = std::make_unique<sk::TSdlDisplay>(surface, images);
                               desktop.SetDisplay(display.get());
                               return display;
                             },
                             paths->FontFile()};
  int status = 0;
  {
    sk::Application app(std::move(services));
    app.Start = sk::StartOptions(command);
    demo->Attach(app);
    status = sk::RunApplication(app);
    sk::FinishDespiteHangUp();
    desktop.SetDisplay(nullptr);
  }
  SDL_Quit();
  status = demo->Finish(status, message);
  if (!message.empty()) std::fprintf(stderr, "%s\n", sk::PrintableText(message, true).c_str());
  return status;
}
