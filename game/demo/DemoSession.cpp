#include "game/demo/DemoSession.h"

#include <unistd.h>

#include <filesystem>

#include "common/FileIo.h"
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
    const std::uint32_t seed = real.TimeOfDayMilliseconds();
    const TSettings settings = ReadStartSettings(paths, StartOptions(command_));
    recorder_ = std::make_unique<TDemoRecorder>(BeginDemo(paths, settings, seed));
    desktop_ = std::make_unique<TDemoDesktop>(real, seed, paths);
  } else if (command_.Kind == TCommandLine::Mode::Play) {
    TDemoReadResult read = ReadDemoFile(command_.File);
    if (!read.Demo) {
      error = "Cannot play the demo " + command_.File + ": " + read.Error;
      return false;
    }
    demo_ = std::move(read.Demo);
    sandbox_ = TDemoSandbox::Create(*demo_, paths, LoadConfig(SettingsFileToRead(paths)), error);
    if (!sandbox_) return false;
    player_ = std::make_unique<TDemoPlayer>(*demo_, report_);
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
  if (!recorder_) return status;
  const std::string text = recorder_->Text();
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (recorder_->Full()) {
    message = "The recording stopped at tick " + std::to_string(recorder_->Tick()) +
              ": a demo holds at most " + std::to_string(kMaxDemoFileSize >> 20) + " MB and " +
              std::to_string(kMaxDemoTicks) + " ticks.";
  }
  if (ReplaceFileAtomically(command_.File, bytes)) return status;
  const std::string fallback = (std::filesystem::temp_directory_path() /
                                ("skarveth-demo-" + std::to_string(::getpid()) + ".txt"))
                                   .string();
  const bool saved = ReplaceFileAtomically(fallback, bytes);
  message +=
      (message.empty() ? "" : "\n") + std::string("Cannot write the demo to ") + command_.File +
      (saved ? "; it was saved as " + fallback + " instead." : ", nor into the temporary folder.");
  return 1;
}

}  // namespace sk
