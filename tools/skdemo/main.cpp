// SKDEMO: plays a demo headless, as fast as the machine allows, and prints one line per
// checkpoint: screen changes, match starts, kills, arrivals, match ends and, at the end, the
// hash of the last frame. Exit status 0 when the demo played to its end, 1 when it was refused
// or broke off, 2 for a wrong command line. SIGINT, SIGTERM, SIGHUP and SIGPIPE end it within
// moments at any stage, after its playback folder is removed.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "common/Printable.h"
#include "common/ProgramName.h"
#include "common/StopSignals.h"
#include "game/demo/DemoFiles.h"
#include "game/demo/DemoFormat.h"
#include "game/demo/DemoPlayer.h"
#include "game/platform/GamePaths.h"
#include "game/shell/Application.h"
#include "game/shell/MessageLoop.h"
#include "game/shell/ProgramDir.h"
#include "platform/null/HeadlessHost.h"
#include "tools/skdemo/FramePictures.h"

namespace {

std::string Usage() {
  const std::string self = sk::CommandName("SKDEMO");
  return "usage: " + self + " [--frames N,M,... --out DIR] [--game DIR] DEMO\n" +
         "  plays DEMO headless and prints its checkpoints;\n"
         "  --frames writes the frames of those ticks as DIR/tick-NNNNNNN.png;\n"
         "  --game names the folder of the game whose archive and maps the demo needs\n"
         "  (default: the folder " +
         self +
         " is in; an installed game's folder also means\n"
         "  the player's own maps, scores and Data files)";
}

struct Options {
  std::string Demo;
  std::string GameDir;
  std::string OutDir;
  std::set<std::uint32_t> Frames;
};

bool ParseFrames(std::string_view list, std::set<std::uint32_t>& frames) {
  while (!list.empty()) {
    const std::string_view item = list.substr(0, list.find(','));
    std::uint32_t tick = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), tick);
    if (item.empty() || error != std::errc() || end != item.data() + item.size() ||
        tick > sk::kMaxDemoTicks) {
      return false;
    }
    frames.insert(tick);
    list.remove_prefix(std::min(list.size(), item.size() + 1));
  }
  return !frames.empty();
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--frames" && hasValue) {
      if (!ParseFrames(argv[++i], options.Frames)) return false;
    } else if (arg == "--out" && hasValue) {
      options.OutDir = argv[++i];
    } else if (arg == "--game" && hasValue) {
      options.GameDir = argv[++i];
    } else if (!arg.starts_with("--") && options.Demo.empty()) {
      options.Demo = std::string(arg);
    } else {
      return false;
    }
  }
  if (!options.GameDir.empty() && !options.GameDir.ends_with('/')) options.GameDir += '/';
  if (options.GameDir.empty()) options.GameDir = sk::FindProgramDir();
  return !options.Demo.empty() && options.Frames.empty() == options.OutDir.empty();
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

// Texts from the demo may hold any byte: they reach the terminal escaped.
int Refuse(const std::string& message) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s: %s\n", sk::CommandName("SKDEMO").c_str(),
               sk::PrintableText(message).c_str());
  return 1;
}

int Play(const Options& options, const sk::TStopSignals& signals) {
  const sk::StopCheck stop = [&signals] { return signals.Pending() != 0; };
  if (!options.OutDir.empty() && !std::filesystem::is_directory(options.OutDir)) {
    return Refuse("the folder " + options.OutDir + " does not exist");
  }
  const sk::TDemoReadResult read = sk::ReadDemoFile(options.Demo);
  if (!read.Demo) return Refuse(options.Demo + ": " + read.Error);
  const sk::TDemo& demo = *read.Demo;

  std::string refusal;
  // The game's files are found as the game in that folder finds them.
  const auto paths = sk::FindGamePaths(options.GameDir, sk::ProcessUserEnvironment(),
                                       sk::InstalledDataFromProgram(), refusal);
  if (!paths) return Refuse(refusal);
  sk::TSettings look;
  look.FullScreen = false;
  look.VSync = false;
  const auto sandbox = sk::TDemoSandbox::Create(demo, *paths, look, refusal, stop);
  if (!sandbox) return Refuse(refusal);

  sk::THeadlessHost host(paths->FontFile());
  host.desktop.programDir = sandbox->ProgramDir();
  host.desktop.timeOfDay = demo.Seed;

  sk::TDemoPlayer player(demo, Print);
  player.StopRequested = stop;
  sk::TFramePictures pictures(options.Frames, options.OutDir);
  player.AfterFrame = [&](std::uint32_t tick, const sk::TSurface& frame) {
    pictures.AfterFrame(tick, frame);
    // The log of sound calls is not needed here; keep it from growing through a long demo.
    host.log.lines.clear();
  };
  {
    sk::Application app(host.Services());
    player.Attach(app);
    sk::RunApplication(app);
  }
  if (!host.desktop.errorBoxes.empty()) {
    const std::string& box = host.desktop.errorBoxes.front();
    return Refuse("the game stopped with the error \"" + box.substr(box.find('|') + 1) + "\"");
  }
  if (!player.Refusal().empty()) return Refuse(options.Demo + ": " + player.Refusal());
  if (const int signal = signals.Pending()) {
    return Refuse("stopped by " + std::string(strsignal(signal)) + " at tick " +
                  std::to_string(player.Tick()));
  }
  if (!player.Finished())
    return Refuse("the playback broke off at tick " + std::to_string(player.Tick()));
  if (!pictures.Problem().empty()) return Refuse(pictures.Problem());
  for (const std::uint32_t tick : options.Frames) {
    if (tick >= player.Tick())
      return Refuse("tick " + std::to_string(tick) + " is past the end of the demo");
  }
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  sk::TStopSignals signals;
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "%s\n", Usage().c_str());
    return 2;
  }
  int status = 1;
  try {
    status = Play(options, signals);
  } catch (const std::exception& e) {
    status = Refuse(std::string("the playback failed: ") + e.what());
  }
  // Everything Play made is gone by now; end the way the signal asked.
  if (const int signal = signals.Pending()) signals.EndBy(signal);
  return status;
}
