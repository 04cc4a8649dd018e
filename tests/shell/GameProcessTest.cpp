// The built game as a process: it refuses to run where nothing can be seen, Ctrl+C closes it
// like the close box, and a second copy says why it leaves.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace sk {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kPatience = 60s;  // the sanitizer build starts slowly

// A copy of the ready-to-play folder, so the settings written back stay in the test's folder,
// and a lock folder of its own, so no other copy of the game on this machine is in the way.
class GameFolder {
 public:
  explicit GameFolder(const std::string& ini) {
    for (const char* file : {"Skarveth", "Skarveth.dat", "DejaVuSans-Bold.ttf"})
      fs::copy_file(std::string(SK_GAME_DIR) + "/" + file, dir_.Path(file));
    dir_.Write("Skarveth.ini", ini);
    fs::create_directory(dir_.Path("run"));
  }

  // Starts the game with this environment besides the inherited one (see StartChild) and a
  // lock folder of its own.
  pid_t Start(std::vector<std::string> extra, const std::string& log,
              const std::vector<std::string>& args = {}) {
    extra.push_back("XDG_RUNTIME_DIR=" + dir_.Path("run"));
    return StartChild(dir_.Path("Skarveth"), args, extra, dir_.Path(log));
  }

  std::string Read(const std::string& name) const { return dir_.Read(name); }

 private:
  TempDir dir_;
};

const std::string kIni =
    "[Skarveth Configuration]\nFullScreen=0\nDisableSound=1\nSkipIntro=1\nDrawFPS=1\n";

TEST(GameProcess, WithoutADisplayItSaysSoAndEnds) {
  GameFolder folder(kIni);
  const pid_t game = folder.Start({"DISPLAY="}, "err.txt");
  EXPECT_EQ(WaitForChild(game, kPatience), 1);
  EXPECT_EQ(folder.Read("err.txt"),
            "Codename: Skarveth needs a graphical desktop (no display found).\n");
  EXPECT_EQ(folder.Read("Skarveth.ini"), kIni);
}

TEST(GameProcess, InterruptClosesNormallyAndASecondCopySaysWhyItLeaves) {
  GameFolder folder(kIni);
  TempDir home;
  // Asked for by name, the driver that draws nowhere is fine.
  const std::vector<std::string> headless = {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                                             "HOME=" + home.Path()};
  const pid_t game = folder.Start(headless, "first.txt");
  ASSERT_TRUE(WaitUntilCatching(game, SIGINT, kPatience));

  const pid_t second = folder.Start(headless, "second.txt");
  EXPECT_EQ(WaitForChild(second, kPatience), 0);
  EXPECT_EQ(folder.Read("second.txt"), "Codename: Skarveth is already running.\n");

  ::kill(game, SIGINT);
  EXPECT_EQ(WaitForChild(game, kPatience), 0);
  // The normal close wrote the name back: the default one, since the file had none. The
  // ready-to-play folder keeps it beside the program; in the player's home only the lock may
  // stand (in the cache, with no runtime folder given).
  EXPECT_EQ(folder.Read("Skarveth.ini"), kIni + "Name=Unknown ^1Skarveth^7er\n");
  for (const auto& entry : fs::recursive_directory_iterator(home.Path())) {
    if (!entry.is_directory()) {
      EXPECT_EQ(entry.path(), home.Path(".cache/skarveth/Skarveth.lock"));
    }
  }
}

// A hang-up, or a broken pipe on the output as in `--play demo.txt | head -1`, closes the game
// as a kill does: a recording is written, and a playback's folder goes away.
TEST(GameProcess, AHangUpOrABrokenPipeClosesNormally) {
  GameFolder folder(kIni);
  TempDir home, temporary;
  const std::vector<std::string> env = {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                                        "HOME=" + home.Path(), "TMPDIR=" + temporary.Path()};
  const pid_t game = folder.Start(env, "log.txt", {"--record", home.Path("demo.txt")});
  ASSERT_TRUE(WaitUntilCatching(game, SIGINT, kPatience));
  ::kill(game, SIGHUP);
  EXPECT_EQ(WaitForChild(game, kPatience), 0) << folder.Read("log.txt");
  EXPECT_TRUE(home.Read("demo.txt").starts_with("SKARVETH DEMO 1\n"));
  const ProcessResult played =
      RunProcess("env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy HOME=" + home.Path() +
                     " XDG_RUNTIME_DIR=" + home.Path() + " TMPDIR=" + temporary.Path() +
                     " '" SK_GAME_DIR "/Skarveth' --play '" SK_SOURCE_DIR
                     "/tests/demos/match_map1.txt' | head -1",
                 StandardError::Separate);
  EXPECT_EQ(played.output, "0 screen menu page 0\n");
  EXPECT_EQ(temporary.Count(), 0);
}

}  // namespace
}  // namespace sk
