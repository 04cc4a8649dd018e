#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/demo/DemoFiles.h"
#include "game/demo/DemoFormat.h"
#include "game/demo/DemoPlayer.h"
#include "game/demo/DemoRecorder.h"
#include "game/platform/ShellPlatform.h"
#include "game/shell/CommandLine.h"

namespace sk {

struct Application;

// The desktop a demo session runs on: the seed and the game's files are the demo's, the rest
// is the real desktop's.
class TDemoDesktop : public Desktop {
 public:
  TDemoDesktop(Desktop& real, std::uint32_t seed, TGamePaths paths)
      : real_(real), seed_(seed), paths_(std::move(paths)) {}
  void ShowMainWindow() override { real_.ShowMainWindow(); }
  void SetCursorVisible(bool visible) override { real_.SetCursorVisible(visible); }
  void ShowErrorBox(const std::string& title, const std::string& message,
                    const std::string& detail) override {
    real_.ShowErrorBox(title, message, detail);
  }
  void ShowWarningBox(const std::string& title, const std::string& message) override {
    real_.ShowWarningBox(title, message);
  }
  TGamePaths Paths() override { return paths_; }
  std::uint32_t TimeOfDayMilliseconds() override { return seed_; }

 private:
  Desktop& real_;
  std::uint32_t seed_;
  TGamePaths paths_;
};

// A recording or a playback around the game's start-up and message loop. With no demo
// option it stands aside and the game runs as ever.
class TDemoSession {
 public:
  TDemoSession(TCommandLine command, TDemoPlayer::Report report)
      : command_(std::move(command)), report_(std::move(report)) {}

  // Asked while a playback is prepared and played; true ends it (a signal asked to stop). It
  // may be replaced between the preparation and the run.
  StopCheck StopRequested;

  // Reads what the session needs; false and a message for a refused demo or an impossible
  // recording (a file that cannot be written there, a session no demo could hold). A playback
  // takes the window and volume settings from the player's own file; a recording starts from
  // the settings the game will start with.
  bool Prepare(Desktop& real, std::string& error);
  // What the player should know about a recording about to start (maps it leaves out), one
  // line each; empty otherwise.
  const std::vector<std::string>& Notices() const { return notices_; }
  // The desktop to build the application on.
  Desktop& SessionDesktop(Desktop& real);
  // Before start-up.
  void Attach(Application& app);
  // After the loop: writes a recording (atomically; a failure is reported on `message` and
  // the demo saved under a fresh name in the temporary folder instead), or says why a
  // playback broke off. Returns the exit status.
  int Finish(int status, std::string& message);

 private:
  TCommandLine command_;
  TDemoPlayer::Report report_;
  std::optional<TDemo> demo_;
  std::unique_ptr<TDemoSandbox> sandbox_;
  std::unique_ptr<TDemoRecorder> recorder_;
  std::unique_ptr<TDemoPlayer> player_;
  std::unique_ptr<TDemoDesktop> desktop_;
  std::vector<std::string> notices_;
};

}  // namespace sk
