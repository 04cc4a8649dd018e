#include <gtest/gtest.h>

#include "game/frontend/GameScreen.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"
#include "support/Harness.h"

namespace sk::test {
namespace {

class Routing : public ::testing::Test {
 protected:
  void SetUp() override {
    h.Start();
    h.RecordRouting();
    h.log.lines.clear();
  }
  Harness h;
};

TEST_F(Routing, KeysWithShiftCtrlOrAltNeverReachAScreenButTheirCharactersDo) {
  h.app->ScreenState = kScreenMenu;
  h.Send(Harness::Key('A', kShift));
  h.Send(Harness::Char('A'));
  h.Send(Harness::Key('C', kCtrl));
  h.Send(Harness::Key('X', kAlt));
  h.Send(Harness::Key('B'));
  EXPECT_EQ(h.routed, (std::vector<std::string>{"2 char 65", "2 key 66"}));
}

TEST_F(Routing, EveryStateGetsItsOwnHandlersAndOnlyTheMenuGetsCharacters) {
  for (std::uint8_t s = kScreenGame; s <= kScreenCredits; ++s) {
    h.app->ScreenState = s;
    h.Send(Harness::Key(kVkEscape));
    h.Send(Harness::Char('x'));
    h.Send(Harness::Click(TMouseButton::Left, 10, 10));
    h.Frame(3);
  }
  EXPECT_EQ(h.routed,
            (std::vector<std::string>{"1 key 27", "1 click 0,0", "1 step",                //
                                      "2 key 27", "2 char 120", "2 click 0,0", "2 step",  //
                                      "3 key 27", "3 click 0,0", "3 step",                //
                                      "4 key 27", "4 click 0,0", "4 step"}));
  h.routed.clear();
  h.app->ScreenState = 0;
  h.Send(Harness::Key(kVkEscape));
  h.Frame(1);
  EXPECT_TRUE(h.routed.empty());
}

TEST_F(Routing, OnlyLeftClicksInsideTheDrawingAreaCount) {
  h.app->ScreenState = kScreenGame;
  h.Send(Harness::Click(TMouseButton::Right, 100, 100));
  h.Send(Harness::Click(TMouseButton::Middle, 100, 100));
  h.Send(Harness::Click(TMouseButton::Left, -3, 100));
  h.Send(Harness::Click(TMouseButton::Left, 639, 479));
  EXPECT_EQ(h.routed, std::vector<std::string>{"1 click 0,0"});
}

TEST_F(Routing, MovesOnlyUpdateMousePosAndNotFromOutsideTheArea) {
  h.app->ScreenState = kScreenGame;
  h.Send(Harness::Move(200, 300));
  EXPECT_EQ(h.app->MousePos, (TPoint{200, 300}));
  h.Send(Harness::Move(700, 10));
  EXPECT_EQ(h.app->MousePos, (TPoint{200, 300}));
  EXPECT_TRUE(h.routed.empty());
}

TEST_F(Routing, AltEnterTogglesFullScreenAndBackWithoutReachingTheScreen) {
  h.app->ScreenState = kScreenCredits;
  h.app->MousePos = {50, 60};
  h.Send(Harness::Key(kVkReturn, kAlt));
  EXPECT_TRUE(h.display->DisplayOptions().FullScreen);
  EXPECT_TRUE(h.display->Initialized());
  EXPECT_EQ(h.display->PlacementSaves, 1);
  EXPECT_TRUE(h.app->DXTimer.Running);
  EXPECT_EQ(h.app->MousePos, (TPoint{0, 0}));  // back on the top-left corner
  h.Send(Harness::Key(kVkReturn, kAlt | kCtrl | kShift));
  EXPECT_FALSE(h.display->DisplayOptions().FullScreen);
  EXPECT_EQ(h.display->PlacementRestores, 1);
  EXPECT_TRUE(h.routed.empty());
  EXPECT_EQ(h.app->ScreenState, kScreenCredits);
  EXPECT_EQ(h.log.lines,
            (std::vector<std::string>{"DisplayFinalize", "DisplayInit full", "WarpCursor 0 0",
                                      "DisplayFinalize", "DisplayInit window", "WarpCursor 0 0"}));
}

TEST_F(Routing, FocusHidesAndShowsTheSystemPointer) {
  h.Send(Harness::Simple(TInputKind::FocusLost));
  EXPECT_TRUE(h.desktop.cursorVisible);
  EXPECT_FALSE(h.app->DXTimer.Running);
  h.Send(Harness::Simple(TInputKind::FocusGained));
  EXPECT_FALSE(h.desktop.cursorVisible);
  EXPECT_TRUE(h.app->DXTimer.Running);
}

// The real screens' exits, until the screens fill in the rest of their behaviour.
class ScreenExits : public ::testing::Test {
 protected:
  void SetUp() override { h.Start(); }
  Harness h;
};

TEST_F(ScreenExits, AnyKeyOrClickLeavesTheIntroForTheMainMenu) {
  ASSERT_EQ(h.app->ScreenState, kScreenIntro);
  h.app->MousePos = {9, 9};
  h.Send(Harness::Key('Q'));
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMain);
  EXPECT_EQ(h.app->MousePos, (TPoint{0, 0}));
  EXPECT_EQ(h.app->DXImageList().Images.size(), 3u);
}

TEST_F(ScreenExits, CreditsLeaveOnEscapeOrClickOnlyAndKeepTheMenuPictures) {
  EnterMenu(*h.app, kMenuPageMain);
  h.log.lines.clear();
  EnterCredits(*h.app);
  EXPECT_EQ(CreditsRecord(*h.app).CreditsCounter, -500);
  EXPECT_EQ(h.log.lines.size(), 8u);  // stops the effects, loads nothing, leaves the pointer
  EXPECT_EQ(h.app->DXImageList().Images.size(), 3u);
  h.Send(Harness::Key('A'));
  EXPECT_EQ(h.app->ScreenState, kScreenCredits);
  h.Send(Harness::Key(kVkEscape));
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EnterCredits(*h.app);
  h.Send(Harness::Click(TMouseButton::Left, 5, 5));
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
}

TEST_F(ScreenExits, AMapThatCannotBeLoadedReturnsSilentlyToTheMapPage) {
  h.WriteFile("Maps/Broken.map", std::string("SKARVETH_MAP"));
  h.app->MapList = {{"Broken", "Broken.map", h.desktop.programDir + "Maps/"}};
  EnterGame(*h.app);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMaps);
  EXPECT_TRUE(h.desktop.errorBoxes.empty());
  EXPECT_FALSE(h.app->Terminated);
}

TEST_F(ScreenExits, EscapeInAMatchReturnsToTheMapPageAndInATestMatchClosesTheProgram) {
  h.app->MapList = {{"Rustyard", "Rustyard.map", std::string(SK_GAME_DIR) + "/Maps/"}};
  EnterGame(*h.app);
  ASSERT_EQ(h.app->ScreenState, kScreenGame);
  h.Press(kVkEscape);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMaps);

  h.app->Settings.TestMode = true;
  h.app->Settings.TestMapPath = std::string(SK_GAME_DIR) + "/Maps/Rustyard.map";
  h.app->Settings.PlayerName = "Tester";
  EnterGame(*h.app);
  EXPECT_EQ(GameRecord(*h.app).MatchState, TMatchState::Running);
  h.Press(kVkEscape);
  EXPECT_TRUE(h.app->Terminated);
  EXPECT_FALSE(h.app->Failed);
  EXPECT_NE(h.ReadFile("Skarveth.ini").find("Name=Tester"), std::string::npos);
}

}  // namespace
}  // namespace sk::test
