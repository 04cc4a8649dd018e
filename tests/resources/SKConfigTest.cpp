#include <gtest/gtest.h>

#include "game/resources/SKConfig.h"
#include "support/TempDir.h"

namespace sk {
namespace {

TSettings LoadWith(const TempDir& dir, const std::string& body) {
  dir.Write("Skarveth.ini", "[Skarveth Configuration]\n" + body);
  return LoadConfig(dir.Root());
}

TEST(SKConfig, NoFileGivesEveryDefault) {
  TempDir dir;
  const TSettings s = LoadConfig(dir.Root());
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

TEST(SKConfig, SaveNameWritesOnlyTheName) {
  TempDir dir;
  SaveName(dir.Root(), "Unknown ^1Skarveth^7er");
  EXPECT_EQ(dir.Read("Skarveth.ini"), "[Skarveth Configuration]\nName=Unknown ^1Skarveth^7er\n");

  dir.Write("Skarveth.ini", "; my settings\n[Skarveth Configuration]\nFullScreen=0 ; window\nname=Old\nVSync=0\n");
  SaveName(dir.Root(), "^2Neo");
  EXPECT_EQ(dir.Read("Skarveth.ini"),
            "; my settings\n[Skarveth Configuration]\nFullScreen=0 ; window\nName=^2Neo\nVSync=0\n");
  EXPECT_EQ(LoadConfig(dir.Root()).PlayerName, "^2Neo");
}

TEST(SKConfig, SaveNameIgnoresFailures) {
  TempDir dir;
  dir.Write("Skarveth.ini/inside", "");  // a folder where the file should be
  SaveName(dir.Root(), "x");
  EXPECT_TRUE(dir.Exists("Skarveth.ini/inside"));
  TempDir file_dir;
  file_dir.Write("plain", "");
  SaveName(file_dir.Path("plain/"), "x");  // a path through a regular file
  EXPECT_EQ(file_dir.Read("plain"), "");
}

}  // namespace
}  // namespace sk
