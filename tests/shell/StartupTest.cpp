#include <gtest/gtest.h>

#include "common/MapFormat.h"
#include "game/frontend/SKMenu.h"
#include "game/shell/SKInit.h"
#include "support/Harness.h"

namespace sk::test {
namespace {

std::vector<std::string> Lines(std::initializer_list<std::string> first,
                               const std::vector<std::string>& more = {}) {
  std::vector<std::string> v(first);
  v.insert(v.end(), more.begin(), more.end());
  return v;
}

std::vector<std::string> EngineStartAndLoad() {
  std::vector<std::string> v = {"AudioInit 44100 32", "SetEffectVolume 255"};
  for (int c = 0; c < 8; ++c) v.push_back("ReserveChannel " + std::to_string(c));
  for (int n = 0; n < 15; ++n)
    v.push_back("LoadSample " + std::to_string(n) + " " + std::to_string(10 + n));
  v.push_back("LoadSong 64");
  v.push_back("SetSongVolume 1 255");
  return v;
}

std::vector<std::string> DisplayWindowAndSong() {
  return {"DisplayInit window", "WarpCursor 0 0", "ShowMainWindow", "HideCursor", "PlaySong 1"};
}

TEST(Startup, IntroFirstInTheFixedOrder) {
  Harness h;
  h.Start();
  std::vector<std::string> expected = EngineStartAndLoad();
  for (const auto& l : DisplayWindowAndSong()) expected.push_back(l);
  EXPECT_EQ(h.log.lines, expected);  // the intro neither stops effects nor moves the pointer
  EXPECT_EQ(h.app->ScreenState, kScreenIntro);
  EXPECT_TRUE(h.app->DXTimer.Running);
  EXPECT_EQ(h.app->DXTimer.Interval, 16u);
  EXPECT_EQ(h.app->Rng.Seed(), 12345u);
  EXPECT_TRUE(h.desktop.errorBoxes.empty());
  EXPECT_EQ(h.app->Models[3].Name, "^4Model3");
  // The first screen's pictures were loaded before the display, and rebuilt by it.
  EXPECT_EQ(FrameCount(FindImage(h.app->DXImageList(), "Models.bmp")), 8);
}

TEST(Startup, SkipIntroEntersTheMenuBeforeTheEngineRuns) {
  Harness h(
      "[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\nFrameDelay=-5\nSoundVolume=300\n");
  h.Start();
  std::vector<std::string> expected;
  for (int c = 0; c < 8; ++c) expected.push_back("StopChannel " + std::to_string(c));
  expected.push_back("WarpCursor 0 0");
  auto engine = EngineStartAndLoad();
  engine[1] = "SetEffectVolume 300";  // handed over unchanged
  expected.insert(expected.end(), engine.begin(), engine.end());
  for (const auto& l : DisplayWindowAndSong()) expected.push_back(l);
  EXPECT_EQ(h.log.lines, expected);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMain);
  EXPECT_EQ(h.app->DXTimer.Interval, 0u);
}

TEST(Startup, FullScreenByDefaultAndSilentWithoutADevice) {
  Harness h("");
  h.audio.deviceAvailable = false;
  h.Start();
  EXPECT_EQ(h.log.lines, Lines({"AudioInit 44100 32", "DisplayInit full", "WarpCursor 0 0",
                                "ShowMainWindow", "HideCursor"}));
  EXPECT_TRUE(h.app->Sound.SoundOff);
  EXPECT_TRUE(h.desktop.errorBoxes.empty());
  EXPECT_TRUE(h.display->DisplayOptions().WaitVBlank);
}

TEST(Startup, MissingArchiveEndsWithTheDataFileMessage) {
  Harness h("[Skarveth Configuration]\nName=Typed\n", TFolder::Empty);
  EXPECT_EQ(h.Run(), 1);
  EXPECT_EQ(h.desktop.errorBoxes,
            std::vector<std::string>{"Codename: Skarveth|Cannot load data file."});
  EXPECT_EQ(h.log.lines, Lines({"ErrorBox Cannot load data file."}));
  EXPECT_FALSE(h.display->Initialized());
  EXPECT_EQ(h.ReadFile("Skarveth.ini"), "[Skarveth Configuration]\nName=Typed\n");
}

TEST(Startup, UnreadableTestMapEndsTheProgramWithItsQuotedPath) {
  Harness h("[Skarveth Configuration]\nFullScreen=0\nTestMap=Maps\\Nowhere.map\n");
  EXPECT_EQ(h.Run(), 1);
  // The message ends in a quote, which sorts below ".", so no dot is added.
  EXPECT_EQ(
      h.desktop.errorBoxes,
      std::vector<std::string>{"Codename: Skarveth|Cannot load test map: \"Maps\\Nowhere.map\""});
  EXPECT_FALSE(h.app->Data.IsOpen());
  EXPECT_TRUE(h.app->Settings.ChatDisabled);
}

TEST(Startup, TheConsoleGetsThePathTriedAndTheReason) {
  Harness missing("[Skarveth Configuration]\n", TFolder::Empty);
  EXPECT_EQ(missing.Run(), 1);
  const std::string archive = missing.desktop.programDir + "Skarveth.dat";
  EXPECT_EQ(missing.desktop.errorDetails,
            std::vector<std::string>{archive + ": No such file or directory"});

  Harness foreign("[Skarveth Configuration]\n", TFolder::Empty);
  foreign.WriteFile("Skarveth.dat", "SKARVETH_DATX and more");
  EXPECT_EQ(foreign.Run(), 1);
  EXPECT_EQ(foreign.desktop.errorBoxes,
            std::vector<std::string>{"Codename: Skarveth|Cannot load data file."});
  EXPECT_EQ(foreign.desktop.errorDetails,
            std::vector<std::string>{foreign.desktop.programDir +
                                     "Skarveth.dat: not a data archive of this game"});

  const TMapContent content{"Bad", 320, 240, {{{10, 300, 50}}}};
  const auto no_jpeg = AssembleMapFile(content, Bytes{'n', 'o', 't', ' ', 'J'}, {});
  const std::vector<std::pair<std::string, std::string>> maps = {
      {"Maps/none.map", "No such file or directory"},
      {"Maps", "Is a directory"},
      {"Skarveth.ini", "the file is not a map file (wrong magic)"},
      {"Maps/bad.map", "the background is not a JPEG picture the game can decode"}};
  for (const auto& [name, reason] : maps) {
    Harness h;
    h.WriteFile("Maps/bad.map", *no_jpeg);
    const std::string path = h.desktop.programDir + name;
    h.WriteFile("Skarveth.ini", "[Skarveth Configuration]\nFullScreen=0\nTestMap=" + path + "\n");
    EXPECT_EQ(h.Run(), 1);
    EXPECT_EQ(
        h.desktop.errorBoxes,
        std::vector<std::string>{"Codename: Skarveth|Cannot load test map: \"" + path + "\""});
    EXPECT_EQ(h.desktop.errorDetails, std::vector<std::string>{path + ": " + reason});
  }
}

TEST(Startup, TestMapPathAcceptsBackslashes) {
  EXPECT_EQ(TestMapFile("Maps\\Test\\a.map"), "Maps/Test/a.map");
  EXPECT_EQ(TestMapFile("/abs/b.map"), "/abs/b.map");
}

TEST(Startup, DamagedModelDefinitionsEndTheProgramWithoutADot) {
  Harness h;
  auto members = FullMemberSet();
  members.back().second.clear();
  h.WriteFile("Skarveth.dat", MakeArchive(members));
  EXPECT_EQ(h.Run(), 1);
  EXPECT_EQ(h.desktop.errorBoxes,
            std::vector<std::string>{"Codename: Skarveth|List index out of bounds (0)"});
}

}  // namespace
}  // namespace sk::test
