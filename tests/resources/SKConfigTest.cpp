#include <gtest/gtest.h>

#include "game/resources/SKConfig.h"
#include "support/TempDir.h"

namespace sk {
namespace {

TSettings LoadWith(const TempDir& dir, const std::string& body) {
  dir.Write("Skarveth.ini", "[Skarveth Configuration]\n" + body);
  return LoadConfig(dir.Path("Skarveth.ini"));
}

TEST(SKConfig, NoFileGivesEveryDefault) {
  TempDir dir;
  const TSettings s = LoadConfig(dir.Path("Skarveth.ini"));
  EXPECT_TRUE(s.FullScreen);
  EXPECT_TRUE(s.VSync);
  EXPECT_EQ(s.FrameDelay, 16);
  EXPECT_FALSE(s.DrawFPS);
  EXPECT_FALSE(s.SoundOff);
  EXPECT_FALSE(s.MusicOff);
  EXPECT_EQ(s.SoundVolume, 255);
  EXPECT_EQ(s.MusicVolume, 255);
  EXPECT_EQ(s.PlayerName, "Unknown ^1Skarveth^7er");
  EXPECT_FALSE(s.SkipIntro);
  EXPECT_FALSE(s.TestMode);
  EXPECT_FALSE(s.ChatDisabled);
  EXPECT_EQ(s.WindowWidth, 0);  // the game chooses
  EXPECT_EQ(s.WindowHeight, 0);
  EXPECT_FALSE(s.WindowMaximized);
  EXPECT_FALSE(dir.Exists("Skarveth.ini"));  // reading never creates it
}

TEST(SKConfig, NumbersFollowTheDesktopsRules) {
  TempDir dir;
  EXPECT_EQ(LoadWith(dir, "FrameDelay=0x20\n").FrameDelay, 32);
  EXPECT_EQ(LoadWith(dir, "framedelay=$20\n").FrameDelay, 32);
  EXPECT_EQ(LoadWith(dir, "FrameDelay=20ms\n").FrameDelay, 16);
  EXPECT_EQ(LoadWith(dir, "FrameDelay=-5\nSoundVolume=999\n").FrameDelay, -5);  // no clamping
  EXPECT_EQ(LoadWith(dir, "SoundVolume=999\n").SoundVolume, 999);
  EXPECT_TRUE(LoadWith(dir, "FullScreen=2\n").FullScreen);
  EXPECT_TRUE(LoadWith(dir, "FullScreen=yes\n").FullScreen);
  EXPECT_FALSE(LoadWith(dir, "FullScreen=0\nVSync=0\n").FullScreen);
  EXPECT_TRUE(LoadWith(dir, "DisableSound=1\n").SoundOff);
}

TEST(SKConfig, TestMapForcesTestModeAndSilencesChat) {
  TempDir dir;
  const TSettings s = LoadWith(dir, "TestMap=Maps\\My.map\nDisableChat=0\n");
  EXPECT_EQ(s.TestMapPath, "Maps\\My.map");
  EXPECT_TRUE(s.TestMode);
  EXPECT_TRUE(s.ChatDisabled);
  EXPECT_TRUE(LoadWith(dir, "DisableChat=1\n").ChatDisabled);
}

TEST(SKConfig, LongNamesAreCut) {
  TempDir dir;
  EXPECT_EQ(LoadWith(dir, "Name=" + std::string(2048, 'x') + "\n").PlayerName,
            std::string(2047, 'x'));
}

TEST(SKConfig, SaveSettingsWritesOnlyTheNameByDefault) {
  TempDir dir;
  SaveSettings(dir.Path("Skarveth.ini"), {"Unknown ^1Skarveth^7er"});
  EXPECT_EQ(dir.Read("Skarveth.ini"), "[Skarveth Configuration]\nName=Unknown ^1Skarveth^7er\n");

  dir.Write("Skarveth.ini",
            "; my settings\n[Skarveth Configuration]\nFullScreen=0 ; window\nname=Old\nVSync=0\n");
  SaveSettings(dir.Path("Skarveth.ini"), {"^2Neo"});
  EXPECT_EQ(
      dir.Read("Skarveth.ini"),
      "; my settings\n[Skarveth Configuration]\nFullScreen=0 ; window\nName=^2Neo\nVSync=0\n");
  EXPECT_EQ(LoadConfig(dir.Path("Skarveth.ini")).PlayerName, "^2Neo");
}

TEST(SKConfig, FailedSaveLeavesTheFileAsItWas) {
  TempDir dir;
  dir.Write("Skarveth.ini/inside", "");  // a folder where the file should be
  SaveSettings(dir.Path("Skarveth.ini"), {"x"});
  EXPECT_TRUE(dir.Exists("Skarveth.ini/inside"));
}

// Every setting away from its default, so a lost one shows.
constexpr const char* kEverySetting =
    "FullScreen=0\nVSync=0\nFrameDelay=20\nDrawFPS=1\nDisableSound=1\nDisableMusic=1\n"
    "SoundVolume=10\nMusicVolume=20\nName=Old\nSkipIntro=1\nTestMap=Maps/t.map\n"
    "DisableChat=1\n";

void ExpectEverySettingKept(const TSettings& s) {
  EXPECT_FALSE(s.FullScreen);
  EXPECT_FALSE(s.VSync);
  EXPECT_EQ(s.FrameDelay, 20);
  EXPECT_TRUE(s.DrawFPS);
  EXPECT_TRUE(s.SoundOff);
  EXPECT_TRUE(s.MusicOff);
  EXPECT_EQ(s.SoundVolume, 10);
  EXPECT_EQ(s.MusicVolume, 20);
  EXPECT_TRUE(s.SkipIntro);
  EXPECT_EQ(s.TestMapPath, "Maps/t.map");
  EXPECT_TRUE(s.ChatDisabled);
}

TEST(SKConfig, SaveSettingsKeepsEverySettingWhenTheHeaderComesTwice) {
  TempDir dir;
  for (const bool crlf : {false, true}) {
    std::string text =
        std::string("; mine\n[Skarveth Configuration]\n[Skarveth Configuration]\n") + kEverySetting;
    if (crlf) {
      for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    }
    dir.Write("Skarveth.ini", text);
    ExpectEverySettingKept(LoadConfig(dir.Path("Skarveth.ini")));
    SaveSettings(dir.Path("Skarveth.ini"), {"^3New"});
    const TSettings after = LoadConfig(dir.Path("Skarveth.ini"));
    ExpectEverySettingKept(after);
    EXPECT_EQ(after.PlayerName, "^3New");
    SaveSettings(dir.Path("Skarveth.ini"), {"Again"});  // a second quit loses nothing either
    ExpectEverySettingKept(LoadConfig(dir.Path("Skarveth.ini")));
    EXPECT_EQ(LoadConfig(dir.Path("Skarveth.ini")).PlayerName, "Again");
  }
}

TEST(SKConfig, OverLargeFileIsIgnoredAndKept) {
  TempDir dir;
  const std::string big =
      std::string("[Skarveth Configuration]\n") + kEverySetting + std::string(1024 * 1024, '\n');
  dir.Write("Skarveth.ini", big);
  const TSettings s = LoadConfig(dir.Path("Skarveth.ini"));
  EXPECT_TRUE(s.FullScreen);
  EXPECT_EQ(s.PlayerName, kDefaultPlayerName);
  testing::internal::CaptureStderr();
  SaveSettings(dir.Path("Skarveth.ini"), {"x"});
  EXPECT_NE(testing::internal::GetCapturedStderr().find(dir.Path("Skarveth.ini")),
            std::string::npos);
  EXPECT_EQ(dir.Read("Skarveth.ini"), big);
}

TEST(SKConfig, FailedSaveSaysWhichFileAndWhy) {
  TempDir dir;
  dir.Write("plain", "");
  testing::internal::CaptureStderr();
  std::string problem;
  // A path through a regular file stops root too.
  EXPECT_FALSE(SaveSettings(dir.Path("plain/Skarveth.ini"), {"x"}, &problem));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Cannot save the settings to " + dir.Path("plain/Skarveth.ini") +
                ": cannot make the folder " + dir.Path("plain") + ": Not a directory\n");
  EXPECT_EQ(problem, "cannot make the folder " + dir.Path("plain") + ": Not a directory");
  EXPECT_EQ(dir.Read("plain"), "");
}

// The window's settings go into the same single write as the name, only when this run changed
// them; a missing folder is made for the file.
TEST(SKConfig, WindowSettingsAreWrittenWithTheName) {
  TempDir dir;
  dir.Write("Skarveth.ini", "; mine\n[Skarveth Configuration]\nFullScreen=1 ; note\nVSync=0\n");
  TClosingSettings values("Ann");
  values.FullScreen = false;
  values.WindowWidth = 1000;
  values.WindowHeight = 750;
  values.WindowMaximized = true;
  EXPECT_TRUE(SaveSettings(dir.Path("Skarveth.ini"), values));
  EXPECT_EQ(dir.Read("Skarveth.ini"),
            "; mine\n[Skarveth Configuration]\nFullScreen=0\nVSync=0\nName=Ann\n"
            "WindowWidth=1000\nWindowHeight=750\nWindowMaximized=1\n");
  const TSettings s = LoadConfig(dir.Path("Skarveth.ini"));
  EXPECT_FALSE(s.FullScreen);
  EXPECT_EQ(s.WindowWidth, 1000);
  EXPECT_EQ(s.WindowHeight, 750);
  EXPECT_TRUE(s.WindowMaximized);
  EXPECT_FALSE(s.VSync);

  EXPECT_TRUE(SaveSettings(dir.Path("new/skarveth/Skarveth.ini"), {"Bo"}));
  EXPECT_EQ(dir.Read("new/skarveth/Skarveth.ini"), "[Skarveth Configuration]\nName=Bo\n");
}

}  // namespace
}  // namespace sk
