#include <gtest/gtest.h>

#include "common/Error.h"
#include "game/shell/MessageLoop.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"
#include "support/Harness.h"

namespace sk::test {
namespace {

const std::vector<std::string> kReleaseOrder = {"DisplayFinalize", "FreeSong 1", "AudioClose"};

TEST(Shutdown, CloseSavesTheNameAndReleasesInOrderAtOnce) {
  Harness h("[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n; keep me\n");
  h.events.At(6000, Harness::Simple(TInputKind::Close));
  h.Start();
  h.app->Settings.PlayerName = "^2Neo";
  h.log.lines.clear();
  const std::uint32_t sleptBefore = h.clock.slept;
  while (!h.app->Terminated) RunLoopOnce(*h.app);
  EXPECT_FALSE(h.app->Failed);
  EXPECT_EQ(h.clock.slept, sleptBefore);
  EXPECT_EQ(std::vector<std::string>(h.log.lines.end() - 3, h.log.lines.end()), kReleaseOrder);
  const std::string ini = h.ReadFile("Skarveth.ini");
  EXPECT_NE(ini.find("Name=^2Neo"), std::string::npos);
  EXPECT_NE(ini.find("; keep me"), std::string::npos);
  EXPECT_FALSE(h.app->Data.IsOpen());
  EXPECT_FALSE(h.app->DXTimer.Enabled);

  h.log.lines.clear();
  FreeAll(*h.app);  // a second release finds nothing left to do
  EXPECT_TRUE(h.log.lines.empty());
}

TEST(Shutdown, AnErrorInATickShowsItsBoxReleasesOnceAndSavesNoName) {
  Harness h("[Skarveth Configuration]\nFullScreen=0\nName=Old\n");
  h.Start();
  h.app->Settings.PlayerName = "New";
  int steps = 0;
  h.app->Screens[kScreenIntro - 1].Step = [&](Application&) {
    ++steps;
    throw Error(kStreamReadError);
  };
  h.log.lines.clear();
  while (!h.app->Terminated) RunLoopOnce(*h.app);
  EXPECT_EQ(steps, 1);
  EXPECT_TRUE(h.app->Failed);
  std::vector<std::string> expected = {"ErrorBox Stream read error."};
  expected.insert(expected.end(), kReleaseOrder.begin(), kReleaseOrder.end());
  EXPECT_EQ(h.log.lines, expected);
  EXPECT_EQ(h.desktop.errorBoxes,
            std::vector<std::string>{"Codename: Skarveth|Stream read error."});
  EXPECT_EQ(h.ReadFile("Skarveth.ini"), "[Skarveth Configuration]\nFullScreen=0\nName=Old\n");
}

TEST(Shutdown, ErrorBoxTextAddsADotOnlyAfterCharactersAboveIt) {
  EXPECT_EQ(ErrorBoxText("Stream read error"), "Stream read error.");
  EXPECT_EQ(ErrorBoxText("Cannot load data file."), "Cannot load data file.");
  EXPECT_EQ(ErrorBoxText("List index out of bounds (0)"), "List index out of bounds (0)");
  EXPECT_EQ(ErrorBoxText("Cannot load test map: \"a.map\""), "Cannot load test map: \"a.map\"");
  EXPECT_EQ(ErrorBoxText("Image 'x' not found"), "Image 'x' not found.");
  EXPECT_EQ(ErrorBoxText("Caf\xE9"), "Caf\xE9.");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(Shutdown, FreeAllAfterAFailedStartIsHarmless) {
  Harness h("", TFolder::Empty);
  h.Run();
  h.log.lines.clear();
  FreeAll(*h.app);
  FreeAll(*h.app);
  EXPECT_TRUE(h.log.lines.empty());
}

TEST(Shutdown, WithSoundOffTheEngineIsNeverCalledButStopsAreHarmless) {
  Harness h("[Skarveth Configuration]\nFullScreen=0\nDisableSound=1\nSkipIntro=1\n");
  h.events.At(6000, Harness::Simple(TInputKind::Close));
  h.Run();
  for (const std::string& line : h.log.lines) {
    EXPECT_TRUE(line.rfind("StopChannel", 0) == 0 || line.rfind("Display", 0) == 0 ||
                line.rfind("WarpCursor", 0) == 0 || line == "ShowMainWindow" ||
                line == "HideCursor")
        << line;
  }
}

}  // namespace
}  // namespace sk::test
