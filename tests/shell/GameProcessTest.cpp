// The built game as a process: it refuses to run where nothing can be seen, Ctrl+C closes it
// like the close box, and a second copy says why it leaves.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
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

  // Starts the game with this environment besides the inherited one, from which every
  // variable naming a display, a video driver or the lock folder is removed.
  pid_t Start(const std::vector<std::string>& extra, const std::string& log) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry = *e;
      bool drop = false;
      for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=",
                               "SDL_AUDIODRIVER=", "XDG_RUNTIME_DIR=", "HOME="})
        drop |= entry.starts_with(name);
      if (!drop) env.push_back(entry);
    }
    env.push_back("XDG_RUNTIME_DIR=" + dir_.Path("run"));
    env.insert(env.end(), extra.begin(), extra.end());
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string program = dir_.Path("Skarveth");
    const std::string output = dir_.Path(log);
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (!std::freopen(output.c_str(), "w", stderr) || !std::freopen("/dev/null", "w", stdout))
        ::_exit(127);
      // As started in the background from a script: SIGINT arrives ignored.
      ::signal(SIGINT, SIG_IGN);
      char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
      ::execve(program.c_str(), argv, envp.data());
      ::_exit(127);
    }
    return pid;
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

}  // namespace
}  // namespace sk
