// Pages, keys and sounds of the menu, driven through the program's own event routing.
#include <gtest/gtest.h>

#include "MenuHarness.h"

namespace sk::test {
namespace {

using Sounds = std::vector<std::string>;

TEST(MenuHover, MovePlaysOncePerArrivalOnAButton) {
  MenuHarness h;
  h.Frame();
  h.TakeSounds();

  h.HoverButton(MainButtons, 1);
  h.Frame();
  h.Frame();
  h.MoveTo(330, 210);  // still on "Play Skarveth"
  h.Frame();
  EXPECT_EQ(h.TakeSounds(), Sounds{"Move"});

  h.MoveTo(330, 245);  // the gap between two buttons
  h.Frame();
  EXPECT_EQ(h.TakeSounds(), Sounds{});
  h.HoverButton(MainButtons, 1);
  h.Frame();
  EXPECT_EQ(h.TakeSounds(), Sounds{"Move"});

  // Straight from one button onto the next, between two frames.
  h.HoverButton(MainButtons, 2);
  h.Frame();
  EXPECT_EQ(h.TakeSounds(), Sounds{"Move"});
}

TEST(MenuHover, FirstFrameOfAPageIsSilentUnderARestingPointer) {
  MenuHarness h;
  h.HoverButton(MainButtons, 1);
  h.Frame();
  h.TakeSounds();

  // "Yes" lies exactly where "Play Skarveth" was.
  h.Press(kVkEscape);
  EXPECT_EQ(h.TakeSounds(), Sounds{"Back"});
  h.Frame();
  h.Frame();
  EXPECT_EQ(h.TakeSounds(), Sounds{});
  // Off and on again is a real arrival.
  h.MoveTo(10, 10);
  h.Frame();
  h.HoverButton(ExitButtons, 1);
  h.Frame();
  EXPECT_EQ(h.TakeSounds(), Sounds{"Move"});
}

TEST(MenuHover, ClicksOnButtonsNeverPlayMove) {
  MenuHarness h;
  h.Frame();
  h.TakeSounds();
  h.ClickButton(MainButtons, 1);  // no frame between the move and the click
  EXPECT_EQ(h.TakeSounds(), Sounds{"Next"});
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageName);
}

TEST(MenuKeys, EscapeRoundTripKeepsPageSelectionAndScroll) {
  MenuHarness h;
  h.SetMaps(12);
  h.ShowPage(kMenuPageMaps);
  h.Menu().ListTop = 3;
  h.Menu().SelectedMap = 7;

  h.Press(kVkEscape);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageExit);
  EXPECT_EQ(h.Menu().SavedPage, kMenuPageMaps);
  h.Frame();
  h.Press(kVkEscape);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMaps);
  EXPECT_EQ(h.Menu().ListTop, 3);
  EXPECT_EQ(h.Menu().SelectedMap, 7);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Back", "Next"}));

  // "No" goes back the same way.
  h.Press(kVkEscape);
  h.ClickButton(ExitButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMaps);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Back", "Next"}));
}

TEST(MenuKeys, OnlyTheNamePageTakesTyping) {
  MenuHarness h;
  h.Name() = "Ann";
  for (std::uint8_t page : {kMenuPageMain, kMenuPageExit, kMenuPageMaps, kMenuPageScores}) {
    h.ShowPage(page);
    h.Type('x');
    h.Press(kVkBack);
    EXPECT_EQ(h.Name(), "Ann") << "page " << int(page);
  }
  EXPECT_EQ(h.TakeSounds(), Sounds{});

  h.ShowPage(kMenuPageName);
  h.Press(kVkBack);
  h.Type('^');
  h.Type('2');
  h.Type(0xE9);  // a Windows-1252 letter
  h.Type(13);    // Enter, Backspace and Escape arrive as characters too, and are never kept
  h.Type(8);
  h.Type(27);
  EXPECT_EQ(h.Name(), "An^2\xE9");
  EXPECT_EQ(h.TakeSounds(), Sounds{});
}

TEST(MenuKeys, BackspaceOnAnEmptyNameDoesNothing) {
  MenuHarness h;
  h.ShowPage(kMenuPageName);
  h.Name() = "A";
  h.Press(kVkBack);
  h.Press(kVkBack);
  EXPECT_EQ(h.Name(), "");
  h.Frame();
}

TEST(MenuKeys, TheNameStopsAt256Characters) {
  MenuHarness h;
  h.ShowPage(kMenuPageName);
  h.Name().clear();
  for (int i = 0; i < 255; ++i) h.Type('a');
  h.Type('b');  // the 256th
  h.Type('c');  // the 257th
  EXPECT_EQ(h.Name().size(), 256u);
  EXPECT_EQ(h.Name().back(), 'b');
  h.Press(kVkBack);
  h.Type('d');
  EXPECT_EQ(h.Name().back(), 'd');
  EXPECT_EQ(h.Name().size(), 256u);
}

TEST(MenuNamePage, NamesWithoutVisibleCharactersCannotPass) {
  for (const std::string name : {"", "^1^2", "^", "^7^"}) {
    MenuHarness h;
    h.ShowPage(kMenuPageName);
    h.Name() = name;
    h.ClickButton(NameButtons, 2);
    EXPECT_EQ(h.Menu().MenuPage, kMenuPageName) << name;
    EXPECT_EQ(h.TakeSounds(), Sounds{"Disabled"}) << name;
  }
  MenuHarness h;
  h.ShowPage(kMenuPageName);
  h.Name() = "^1^^";  // a red caret is something to read
  h.ClickButton(NameButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMaps);
  EXPECT_EQ(h.TakeSounds(), Sounds{"Next"});
}

TEST(MenuPages, ButtonsLeadWhereTheyShould) {
  MenuHarness h;
  h.SetMaps(1);
  h.Frame();
  h.ClickButton(MainButtons, 3);  // "Exit"
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageExit);
  EXPECT_EQ(h.Menu().SavedPage, kMenuPageMain);
  h.ClickButton(ExitButtons, 2);  // "No"
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMain);
  h.ClickButton(MainButtons, 1);
  h.ClickButton(NameButtons, 1);  // "< Back"
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMain);
  h.ClickButton(MainButtons, 1);
  h.ClickButton(NameButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMaps);
  h.ClickButton(MapButtons, 2);  // "Scores"
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageScores);
  h.ClickButton(ScoreButtons, 1);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMaps);
  h.ClickButton(MapButtons, 1);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageName);
  h.ClickAt(320, 300);  // nowhere
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageName);
  EXPECT_EQ(h.TakeSounds(),
            (Sounds{"Back", "Next", "Next", "Back", "Next", "Next", "Next", "Back", "Back"}));

  h.ShowPage(kMenuPageMain);
  h.ClickButton(MainButtons, 2);
  EXPECT_EQ(h.app->ScreenState, kScreenCredits);
  EXPECT_EQ(h.TakeSounds(), Sounds{"Next"});
}

TEST(MenuPages, YesSavesTheNameAndEndsTheProgram) {
  MenuHarness h;
  h.ShowPage(kMenuPageName);
  h.Name().clear();
  for (char c : std::string("^3Zed")) h.Type(static_cast<std::uint8_t>(c));
  h.Press(kVkEscape);
  h.ClickButton(ExitButtons, 1);
  EXPECT_TRUE(h.app->Terminated);
  EXPECT_FALSE(h.app->Failed);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Back", "Back"}));
  EXPECT_NE(h.ReadFile("Skarveth.ini").find("Name=^3Zed"), std::string::npos);
}

}  // namespace
}  // namespace sk::test
