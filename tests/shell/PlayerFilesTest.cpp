// What the game reads and writes of the player's files: the window's choices kept on a normal
// close, a test run that leaves the settings alone, an installed copy's per-user folders, and a
// save that fails being said once.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/frontend/SKMenu.h"
#include "game/shell/MessageLoop.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

const std::string kShippedMap = std::string(SK_GAME_DIR) + "/Maps/Rustyard.map";

void CloseNormally(Harness& h) {
  h.Send(Harness::Simple(TInputKind::Close));
  ASSERT_TRUE(h.app->Terminated);
}

TEST(PlayerFiles, ANormalCloseKeepsTheWindowChoicesWithTheName) {
  const std::string ini = "; mine\n[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n";
  Harness h(ini);
  h.Start();
  CloseNormally(h);
  // Nothing changed: the name alone is written.
  EXPECT_EQ(h.ReadFile("Skarveth.ini"), ini + "Name=Unknown ^1Skarveth^7er\n");

  Harness g(ini);
  g.Start();
  ToggleFullScreen(*g.app);
  g.display->PlayerResized = TWindowSize{1000, 750};
  g.display->PlayerMaximized = true;
  CloseNormally(g);
  EXPECT_EQ(g.ReadFile("Skarveth.ini"),
            "; mine\n[Skarveth Configuration]\nFullScreen=1\nSkipIntro=1\n"
            "Name=Unknown ^1Skarveth^7er\nWindowWidth=1000\nWindowHeight=750\n"
            "WindowMaximized=1\n");

  // The next start hands them to the display.
  Harness next(g.ReadFile("Skarveth.ini"));
  next.Start();
  EXPECT_EQ(next.display->DisplayOptions(), (TDisplayOptions{true, true, {1000, 750}, true}));
}

TEST(PlayerFiles, ATestMapFromTheCommandLineLeavesTheSettingsFileAlone) {
  const std::string ini = "[Skarveth Configuration]\nFullScreen=0\nTestMap=Maps/Other.map\n";
  Harness h(ini);
  h.app->Start = StartOptions([] {
    TCommandLine command;
    command.TestMap = kShippedMap;
    return command;
  }());
  h.Start();
  ASSERT_TRUE(h.desktop.errorBoxes.empty()) << h.desktop.errorBoxes.front();
  EXPECT_EQ(h.app->ScreenState, kScreenGame);
  EXPECT_TRUE(h.app->Settings.TestMode);
  EXPECT_TRUE(h.app->Settings.ChatDisabled);
  EXPECT_EQ(h.app->Settings.TestMapPath, kShippedMap);
  ToggleFullScreen(*h.app);
  h.app->Settings.PlayerName = "Changed";
  CloseNormally(h);
  EXPECT_EQ(h.ReadFile("Skarveth.ini"), ini);
}

TEST(PlayerFiles, ATestMapIsCheckedBeforeAnyWindowOpens) {
  EXPECT_EQ(TestMapProblem(kShippedMap), std::nullopt);
  sk::TempDir dir;
  dir.Write("broken.map", "SKARVETH_MAX\x01");
  EXPECT_EQ(TestMapProblem(dir.Path("broken.map")),
            dir.Path("broken.map") + ": the file is not a map file (wrong magic)");
  EXPECT_EQ(TestMapProblem(dir.Path("none.map")),
            dir.Path("none.map") + ": No such file or directory");
}

// An installed copy over the harness's folder whose player has a file where the settings
// folder should be: the shipped settings hold, and the menu says they cannot be kept.
TEST(PlayerFiles, SettingsThatCannotBeKeptAreSaidOnceOnTheMenu) {
  Harness h("");
  const std::string root = h.desktop.programDir;
  fs::create_directories(h.dir.Path("share/skarveth"));
  fs::rename(h.dir.Path("Skarveth.dat"), h.dir.Path("share/skarveth/Skarveth.dat"));
  h.WriteFile("share/skarveth/Skarveth.ini",
              "[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n");
  h.WriteFile("home", "a file where the folders should be");
  TGamePaths paths{TGameLayout::Installed, root + "bin/", root + "share/skarveth/",
                   root + "home/.config/skarveth/", root + "home/.local/share/skarveth/"};
  h.desktop.paths = paths;
  testing::internal::CaptureStderr();
  h.Start();
  EXPECT_EQ(MenuRecord(*h.app).Notice, "Your settings and name cannot be saved: Not a directory.");
  EXPECT_TRUE(h.app->Settings.SkipIntro);  // read from the shipped file all the same
  CloseNormally(h);
  const std::string console = testing::internal::GetCapturedStderr();
  EXPECT_NE(console.find("Cannot make the settings file " + paths.SettingsFile()),
            std::string::npos);
  EXPECT_NE(console.find("Cannot save the settings to " + paths.SettingsFile()), std::string::npos);
  // Said on the menu already: no box on the way out.
  EXPECT_TRUE(h.desktop.warningBoxes.empty());
  EXPECT_EQ(h.ReadFile("share/skarveth/Skarveth.ini"),
            "[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n");
}

TEST(PlayerFiles, AFailedSaveOnTheWayOutIsSaidInABox) {
  Harness h("[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n");
  h.Start();
  // The settings file turns into a folder while the game runs.
  fs::remove(h.dir.Path("Skarveth.ini"));
  fs::create_directories(h.dir.Path("Skarveth.ini"));
  testing::internal::CaptureStderr();
  CloseNormally(h);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(h.desktop.warningBoxes,
            std::vector<std::string>{
                "Codename: Skarveth|Your name and settings were not saved: the file cannot be "
                "read, or is larger than 1 MB."});
  EXPECT_FALSE(h.app->Failed);
}

}  // namespace
}  // namespace sk::test
