// The game as `cmake --install` lays it out, started as a player would: the player's files
// land in the XDG folders of a home of its own, and the install tree never changes, not even
// when the test runs as root.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tests/demo/NullGame.h"
#include "tests/packaging/InstalledTree.h"

namespace sk {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kPatience = 60s;  // the sanitizer build starts slowly

class InstalledGame : public test::InstalledTreeTest {
 protected:
  void SetUp() override {
    test::InstalledTreeTest::SetUp();
    if (HasFatalFailure()) return;
    fs::create_directories(work.Path("run"));
    before = test::Snapshot(tree.Prefix());
  }

  std::string Bin() const { return tree.Bin(""); }
  std::string Data() const { return tree.DataDir() + "/"; }
  std::vector<std::string> Environment() const {
    return {"HOME=" + home.Path(), "XDG_RUNTIME_DIR=" + work.Path("run"), "SDL_VIDEODRIVER=dummy",
            "SDL_AUDIODRIVER=dummy"};
  }
  // Runs the game until it shows its window, then ends it as the session would.
  int RunUntilTerminated(const std::vector<std::string>& args) {
    const pid_t game = StartChild(Bin() + "skarveth", args, Environment(), work.Path("log.txt"));
    EXPECT_TRUE(WaitUntilCatching(game, SIGTERM, kPatience));
    ::kill(game, SIGTERM);
    return WaitForChild(game, kPatience);
  }
  // A console run without any display, as from a terminal over ssh.
  ProcessResult Console(const std::string& args) {
    return RunProcess("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER HOME='" + home.Path() +
                          "' '" + Bin() + "skarveth' " + args,
                      StandardError::Separate);
  }

  TempDir home;
  TempDir work;
  std::vector<std::pair<std::string, std::string>> before;
};

TEST_F(InstalledGame, AnswersItsCommandLineWithoutAWindow) {
  ProcessResult r = Console("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.output.starts_with("usage: skarveth [--test-map FILE] [--record FILE]\n"));
  EXPECT_NE(r.output.find(home.Path(".config/skarveth/Skarveth.ini")), std::string::npos);
  EXPECT_NE(r.output.find(home.Path(".local/share/skarveth/Maps/")), std::string::npos);
  EXPECT_EQ(r.error, "");

  r = Console("-v");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "Codename: Skarveth 1.00\n");

  r = Console("--fullscreen");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.output, "");
  EXPECT_TRUE(r.error.starts_with("skarveth: unknown option --fullscreen\nusage: skarveth"));

  // Refused files are said on the console, before any window could open.
  r = Console("--play '" + work.Path("none.txt") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.error.starts_with("Codename: Skarveth: Cannot play the demo ")) << r.error;
  r = Console("--test-map '" + work.Path("none.map") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.error, "Codename: Skarveth: Cannot load test map: \"" + work.Path("none.map") +
                         "\" (" + work.Path("none.map") + ": No such file or directory)\n");

  EXPECT_EQ(test::Snapshot(tree.Prefix()), before);
  EXPECT_EQ(home.Count(), 0);
}

TEST_F(InstalledGame, KeepsThePlayersFilesInTheirFoldersAndListsTheirMaps) {
  fs::create_directories(home.Path(".local/share/skarveth/Maps"));
  fs::copy_file(Data() + "Maps/Rustyard.map", home.Path(".local/share/skarveth/Maps/Mine.map"));
  EXPECT_EQ(RunUntilTerminated({"--record", work.Path("demo.txt")}), 0) << work.Read("log.txt");

  // The settings were seeded from the shipped file and written back there on the close.
  EXPECT_EQ(home.Read(".config/skarveth/Skarveth.ini"), test::ReadWhole(Data() + "Skarveth.ini"));
  for (const char* folder : {".config", ".config/skarveth"}) {
    struct stat st {};
    ASSERT_EQ(::stat(home.Path(folder).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
  }
  // The menu listed the player's map with the shipped ones (a demo names every listed map).
  const std::string demo = work.Read("demo.txt");
  EXPECT_NE(demo.find("\nmap \"Mine.map\" "), std::string::npos) << demo.substr(0, 2000);
  EXPECT_NE(demo.find("\nmap \"Rustyard.map\" "), std::string::npos);
  EXPECT_EQ(test::Snapshot(tree.Prefix()), before);
}

TEST_F(InstalledGame, TestsAShippedMapAndLeavesTheSettingsAlone) {
  const std::string map = Data() + "Maps/Rustyard.map";
  EXPECT_EQ(RunUntilTerminated({"--test-map", map, "--record", work.Path("test.txt")}), 0)
      << work.Read("log.txt");
  EXPECT_FALSE(fs::exists(home.Path(".config")));
  const std::string demo = work.Read("test.txt");
  EXPECT_NE(demo.find("\nsetting TestMap \"Maps/Rustyard.map\"\n"), std::string::npos)
      << demo.substr(0, 2000);
  EXPECT_NE(demo.find("\ntestmap " + std::to_string(fs::file_size(map)) + " "), std::string::npos);

  // The installed SKDEMO finds the same files and plays it: a match in test mode at once.
  const ProcessResult played =
      RunProcess("HOME='" + home.Path() + "' '" + Bin() + "skdemo' '" + work.Path("test.txt") + "'",
                 StandardError::Separate);
  EXPECT_EQ(played.status, 0) << played.error;
  EXPECT_TRUE(played.output.starts_with("0 screen game\n")) << played.output;
  EXPECT_EQ(test::Snapshot(tree.Prefix()), before);
}

}  // namespace
}  // namespace sk
