#include "game/demo/DemoSession.h"

#include <filesystem>

#include "common/FileIo.h"
#include "common/NewFiles.h"
#include "game/demo/DemoLimits.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"

namespace sk {

bool TDemoSession::Prepare(Desktop& real, std::string& error) {
  const TGamePaths paths = real.Paths();
  if (command_.Kind == TCommandLine::Mode::Record) {
    const std::string folder = FolderOf(command_.File);
    if (!std::filesystem::is_directory(folder)) {
      error = "Cannot record into " + command_.File + ": the folder " + folder + " does not exist.";
      return false;
    }
    if (const std::string problem = ReplaceProblem(command_.File); !problem.empty()) {
      error = "Cannot record into " + command_.File + ": " + problem + ".";
      return false;
    }
    const std::uint32_t seed = real.TimeOfDayMilliseconds();
    const TSettings settings = ReadStartSettings(paths, StartOptions(command_));
    TDemo head = BeginDemo(paths, settings, seed);
    if (const auto problem = DemoHeadProblem(head)) {
      error = "Cannot record this session: " + *problem + ".";
      return false;
    }
    recorder_ = std::make_unique<TDemoRecorder>(std::move(head));
    desktop_ = std::make_unique<TDemoDesktop>(real, seed, paths);
  } else if (command_.Kind == TCommandLine::Mode::Play) {
    TDemoReadResult read = ReadDemoFile(command_.File);
    if (!read.Demo) {
      error = "Cannot play the demo " + command_.File + ": " + read.Error;
      return false;
    }
    demo_ = std::move(read.Demo);
    sandbox_ = TDemoSandbox::Create(*demo_, paths, LoadConfig(SettingsFileToRead(paths)), error,
                                    StopRequested);
    if (!sandbox_) return false;
    player_ = std::make_unique<TDemoPlayer>(*demo_, report_);
    // Through the session, which may ask a different question once the display is up.
    player_->StopRequested = [this] { return StopRequested && StopRequested(); };
    desktop_ =
        std::make_unique<TDemoDesktop>(real, demo_->Seed, ReadyToPlayPaths(sandbox_->ProgramDir()));
  }
  return true;
}

Desktop& TDemoSession::SessionDesktop(Desktop& real) {
  return desktop_ ? static_cast<Desktop&>(*desktop_) : real;
}

void TDemoSession::Attach(Application& app) {
  if (recorder_) recorder_->Attach(app);
  if (player_) player_->Attach(app);
}

int TDemoSession::Finish(int status, std::string& message) {
  if (player_ && !player_->Refusal().empty()) {
    message = "The demo " + command_.File + " was stopped: " + player_->Refusal() + ".";
    return 1;
  }
  if (!recorder_) return status;
  const std::string text = recorder_->Text();
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (recorder_->Full()) {
    message = "The recording stopped at tick " + std::to_string(recorder_->Tick()) +
              ": a demo holds at most " + std::to_string(kMaxDemoFileSize >> 20) + " MB, " +
              std::to_string(kMaxDemoTicks) + " ticks and " +
              std::to_string(kMaxDemoScreenEntries) + " screen entries.";
  }
  std::string why;
  // A recording holds all the player typed: theirs alone to read, like the fallback below.
  if (ReplaceFileAtomically(command_.File, bytes, &why, FileReaders::OwnerOnly)) return status;
  // A fresh name nobody could have planted anything at.
  std::string fallbackWhy;
  const auto folder = TemporaryFolder(&fallbackWhy);
  const auto saved = folder
                         ? WriteUniqueFile(*folder, "skarveth-demo-", ".txt", bytes, &fallbackWhy)
                         : std::nullopt;
  message += (message.empty() ? "" : "\n") + std::string("Cannot write the demo to ") +
             command_.File + " (" + why + ")" +
             (saved ? "; it was saved as " + *saved + " instead."
                    : ", nor into the temporary folder (" + fallbackWhy + ").");
  return 1;
}

}  // namespace sk
