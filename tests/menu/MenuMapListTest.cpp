// The map page: rows, scrolling, scores and the start of a match, with lists of every size.
#include <gtest/gtest.h>

#include "MenuHarness.h"
#include "common/MapFormat.h"
#include "support/JpegEncode.h"

namespace sk::test {
namespace {

using Sounds = std::vector<std::string>;

constexpr int kRowX = 300;
int RowY(int i) { return 100 + 35 * i + 17; }

MenuHarness& OnMapPage(MenuHarness& h, int maps) {
  h.SetMaps(maps);
  h.ShowPage(kMenuPageMaps);
  h.TakeSounds();
  return h;
}

void WriteMap(MenuHarness& h, const std::string& file, const std::string& name) {
  TMapContent content;
  content.Name = name;
  content.FinalX = 600;
  content.FinalY = 400;
  content.Paths = {{TWayPoint{10, 300, 50}, TWayPoint{320, 300, 100}}};
  const auto jpeg = EncodeJpeg(TPicture(640, 480, TRgb{40, 90, 40}));
  h.WriteFile("Maps/" + file, *AssembleMapFile(content, jpeg, {}));
}

TEST(MenuMapList, EightMapsCannotScroll) {
  MenuHarness h;
  OnMapPage(h, 8).Menu().SelectedMap = 4;
  h.ClickButton(MapButtons, 4);
  h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Disabled", "Disabled"}));
  EXPECT_EQ(h.Menu().ListTop, 0);
  EXPECT_EQ(h.Menu().SelectedMap, 4);
}

TEST(MenuMapList, TenMapsScrollTwiceAndTheSelectionFollowsTheEdgeRow) {
  MenuHarness h;
  OnMapPage(h, 10);
  h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.Menu().ListTop, 1);
  EXPECT_EQ(h.Menu().SelectedMap, 1);
  h.ClickButton(MapButtons, 5);
  h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.Menu().ListTop, 2);
  EXPECT_EQ(h.Menu().SelectedMap, 2);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Back", "Back", "Disabled"}));

  h.ClickAt(kRowX, RowY(7));  // the last map
  EXPECT_EQ(h.Menu().SelectedMap, 9);
  h.ClickButton(MapButtons, 4);
  EXPECT_EQ(h.Menu().ListTop, 1);
  EXPECT_EQ(h.Menu().SelectedMap, 8);
  h.ClickButton(MapButtons, 4);
  h.ClickButton(MapButtons, 4);
  EXPECT_EQ(h.Menu().ListTop, 0);
  EXPECT_EQ(h.Menu().SelectedMap, 7);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Move", "Back", "Back", "Disabled"}));

  // A selection well inside the rows stays where it is.
  h.ClickAt(kRowX, RowY(3));
  h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.Menu().SelectedMap, 3);
}

TEST(MenuMapList, RowsAreClickedOnlyWhereThereAreMaps) {
  MenuHarness h;
  OnMapPage(h, 3).Menu().SelectedMap = 1;
  h.ClickAt(kRowX, RowY(2));
  EXPECT_EQ(h.Menu().SelectedMap, 2);
  h.ClickAt(kRowX, RowY(3));  // below the last map
  h.ClickAt(564, 100);        // the row's last column and first line
  EXPECT_EQ(h.Menu().SelectedMap, 0);
  // Column 565 belongs to the scroll button, not to the row; below the button, to nothing.
  h.ClickAt(565, 120);
  h.ClickAt(565, RowY(1));
  EXPECT_EQ(h.Menu().SelectedMap, 0);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Move", "Move", "Disabled"}));

  // Row i shows map ListTop + i.
  OnMapPage(h, 20).Menu().ListTop = 5;
  h.ClickAt(kRowX, RowY(4));
  EXPECT_EQ(h.Menu().SelectedMap, 9);
}

TEST(MenuMapList, AnEmptyListOffersNothingToStart) {
  MenuHarness h;
  OnMapPage(h, 0);
  h.Frame();
  h.ClickAt(kRowX, RowY(0));
  h.ClickButton(MapButtons, 2);
  h.ClickButton(MapButtons, 3);
  h.ClickButton(MapButtons, 4);
  h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"Disabled", "Disabled", "Disabled", "Disabled"}));
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageMaps);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(h.Menu().SelectedMap, 0);
  EXPECT_EQ(h.Menu().ListTop, 0);
  // Reached anyway, the score page draws without a map to name.
  h.ShowPage(kMenuPageScores);
  h.Frame();
}

TEST(MenuMapList, ASelectionOutsideTheListStartsNothing) {
  for (int selected : {3, -1, 1000000}) {
    MenuHarness h;
    OnMapPage(h, 3).Menu().SelectedMap = selected;
    h.Frame();
    h.ClickButton(MapButtons, 2);
    h.ClickButton(MapButtons, 3);
    EXPECT_EQ(h.TakeSounds(), (Sounds{"Disabled", "Disabled"})) << selected;
    EXPECT_EQ(h.app->ScreenState, kScreenMenu);
    h.ShowPage(kMenuPageScores);
    h.Frame();
  }
}

TEST(MenuMapList, ScoresLoadTheSelectedMapsTable) {
  MenuHarness h;
  OnMapPage(h, 2).Menu().SelectedMap = 1;
  TScoreTable table;
  table.Entries[0] = {300, "^1Ann"};
  table.Entries[1] = {200, "Bob"};
  ASSERT_TRUE(SaveScores(table, h.dir.Path("Maps/m1.sco")));
  // What an earlier look at another map left behind is replaced.
  h.app->ScoreTable.Entries[5] = {7, "old"};

  h.ClickButton(MapButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageScores);
  EXPECT_EQ(h.TakeSounds(), Sounds{"Next"});
  EXPECT_EQ(h.app->ScoreTable.Entries[0], (TScoreEntry{300, "^1Ann"}));
  EXPECT_EQ(h.app->ScoreTable.Entries[1], (TScoreEntry{200, "Bob"}));
  EXPECT_EQ(h.app->ScoreTable.Entries[5], TScoreEntry{});
}

TEST(MenuMapList, DamagedOrMissingScoreFilesShowAnEmptyTable) {
  MenuHarness h;
  OnMapPage(h, 2);
  h.WriteFile("Maps/m0.sco", std::string("SKARVETH_SCORE\x01\xFF"
                                         "abc",
                                         19));
  h.ClickButton(MapButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageScores);
  for (const auto& e : h.app->ScoreTable.Entries) EXPECT_EQ(e, TScoreEntry{});
  h.Frame();

  h.ClickButton(ScoreButtons, 1);
  h.ClickAt(kRowX, RowY(1));  // m1.sco does not exist
  h.ClickButton(MapButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageScores);
  h.Frame();
}

TEST(MenuMapList, FightStartsAMatchOnTheSelectedMap) {
  MenuHarness h;
  WriteMap(h, "b.map", "Bee");
  OnMapPage(h, 0);
  const std::string maps = h.app->Paths.PlayerMapFolder();
  h.app->MapList = {{"Broken", "a.map", maps}, {"Bee", "b.map", maps}};
  h.ClickAt(kRowX, RowY(1));
  h.TakeSounds();
  h.ClickButton(MapButtons, 3);
  EXPECT_EQ(h.app->ScreenState, kScreenGame);
  // The match's countdown is the match's business; the menu adds no sound of its own.
  for (const std::string& sound : h.TakeSounds()) {
    EXPECT_TRUE(sound != "Move" && sound != "Next" && sound != "Back" && sound != "Disabled")
        << sound;
  }

  // A map that cannot be read leads back to the map page.
  MenuHarness g;
  OnMapPage(g, 1);
  g.ClickButton(MapButtons, 3);
  EXPECT_EQ(g.app->ScreenState, kScreenMenu);
  EXPECT_EQ(g.Menu().MenuPage, kMenuPageMaps);
  g.Frame();
}

TEST(MenuMapList, AThousandLongNamesScrollToTheEndAndDraw) {
  MenuHarness h;
  OnMapPage(h, 0);
  for (int i = 0; i < 1000; ++i) {
    std::string name;
    while (name.size() < 255) name += "^" + std::to_string(i % 10) + "W";
    name.resize(255);
    h.app->MapList.push_back({name, std::string(250, 'f') + ".map", ""});
  }
  h.Frame();
  for (int i = 0; i < 992; ++i) h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.Menu().ListTop, 992);
  EXPECT_EQ(h.Menu().SelectedMap, 992);
  h.TakeSounds();
  h.ClickButton(MapButtons, 5);
  EXPECT_EQ(h.TakeSounds(), Sounds{"Disabled"});
  h.ClickAt(kRowX, RowY(7));
  EXPECT_EQ(h.Menu().SelectedMap, 999);
  h.Frame();
  h.ClickButton(MapButtons, 2);
  EXPECT_EQ(h.Menu().MenuPage, kMenuPageScores);
  h.Frame();
}

}  // namespace
}  // namespace sk::test
