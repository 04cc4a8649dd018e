// What the menu pages put on the screen. The harness's pictures are all plain grey
// (128, 128, 128), the same grey as the menu's boxes, so anything else is a border or text.
#include <gtest/gtest.h>

#include "MenuHarness.h"
#include "game/frontend/MenuPageDrawing.h"
#include "render/RenderTestSupport.h"

namespace sk::test {
namespace {

constexpr std::uint16_t kGrey = MatchColor(0x808080);
constexpr std::uint16_t kDarkRed = MatchColor(0x800000);
constexpr std::uint16_t kRed = MatchColor(0xFF0000);
constexpr std::uint16_t kWhite = 0xFFFF;

int Ink(const MenuHarness& h, const TRect& r) { return CountOther(h, r, kGrey); }

MenuHarness& Shown(MenuHarness& h, std::uint8_t page) {
  h.ShowPage(page);
  h.Frame();
  return h;
}

TEST(MenuPageTitle, BoxIsAtLeast200AndAtMost560PixelsWide) {
  TTextCanvas canvas(FontPath());
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  EXPECT_EQ(PageTitleBox(canvas, "Exit Game ?"), (TRect{220, 45, 420, 80}));
  EXPECT_EQ(PageTitleBox(canvas, ""), (TRect{220, 45, 420, 80}));
  const std::string longTitle(255, 'W');
  EXPECT_EQ(PageTitleBox(canvas, longTitle), (TRect{40, 45, 600, 80}));

  // In between, the box is the text's width plus 16 on each side, evenly around 320.
  const std::string middle(30, 'W');
  const int half = canvas.TextWidth(middle) / 2;
  ASSERT_GT(half * 2 + 32, 200);
  ASSERT_LT(half * 2 + 32, 560);
  EXPECT_EQ(PageTitleBox(canvas, middle), (TRect{304 - half, 45, 336 + half, 80}));

  // Drawn on white: the pen's edge, the grey inside, and the long text kept off the corners.
  TSurface surface(kScreenWidth, kScreenHeight);
  FillSurface(surface, kWhite);
  SurfaceCanvas(canvas, surface);
  canvas.Pen.Width = 2;
  DrawPageTitle(canvas, longTitle);
  ReleaseCanvas(canvas);
  EXPECT_EQ(surface.At(39, 62), kWhite);
  EXPECT_EQ(surface.At(40, 62), 0);
  EXPECT_EQ(surface.At(44, 62), kGrey);
  EXPECT_EQ(surface.At(599, 62), 0);
  EXPECT_EQ(surface.At(600, 62), kWhite);
  int inkOutside = 0, inkInside = 0;
  // The middle lines only: above and below them the rounded corners come in.
  for (int y = 55; y < 70; ++y) {
    for (int x = 45; x < 56; ++x) inkOutside += surface.At(x, y) != kGrey;
    for (int x = 584; x < 595; ++x) inkOutside += surface.At(x, y) != kGrey;
    for (int x = 56; x < 584; ++x) inkInside += surface.At(x, y) != kGrey;
  }
  EXPECT_EQ(inkOutside, 0);
  EXPECT_GT(inkInside, 0);
}

TEST(MenuDrawing, VersionOnlyOnTheMainPage) {
  MenuHarness h;
  h.SetMaps(1);
  const TRect corner{560, 455, 640, 480};
  EXPECT_GT(CountPixel(Shown(h, kMenuPageMain), corner, 0), 0);
  for (std::uint8_t page : {kMenuPageExit, kMenuPageName, kMenuPageMaps, kMenuPageScores}) {
    EXPECT_EQ(Ink(Shown(h, page), corner), 0) << int(page);
  }
}

TEST(MenuDrawing, TheButtonUnderThePointerIsLitRed) {
  MenuHarness h;
  h.HoverButton(MainButtons, 1);
  Shown(h, kMenuPageMain);
  EXPECT_EQ(h.Pixel(230, 217), kDarkRed);
  EXPECT_EQ(h.Pixel(220, 217), kRed);
  EXPECT_EQ(h.Pixel(230, 277), kGrey);
  EXPECT_EQ(h.Pixel(220, 277), 0);
  const TRect play{240, 202, 400, 233}, credits{240, 262, 400, 293};
  EXPECT_GT(CountPixel(h, play, kRed), 0);
  EXPECT_GT(CountPixel(h, play, 0), 0);  // the shadow
  EXPECT_EQ(CountPixel(h, credits, kRed), 0);
  EXPECT_GT(CountPixel(h, credits, 0), 0);
  EXPECT_EQ(h.Pixel(219, 217), kGrey);  // outside the button
}

TEST(MenuDrawing, ALongNameKeepsItsEndInView) {
  MenuHarness h;
  const TRect leftEdge{44, 196, 48, 209}, rightEdge{585, 190, 592, 215}, end{570, 190, 585, 215};
  h.Name() = std::string(100, 'W');
  Shown(h, kMenuPageName);
  EXPECT_EQ(CountPixel(h, rightEdge, kDarkRed), rightEdge.Width() * rightEdge.Height());
  EXPECT_GT(CountPixel(h, end, kRed), 0);

  h.Name() = "Ann";
  h.Frame();
  EXPECT_EQ(CountPixel(h, leftEdge, kDarkRed), leftEdge.Width() * leftEdge.Height());
  EXPECT_GT(CountPixel(h, TRect{48, 190, 60, 215}, kRed), 0);
  EXPECT_EQ(CountPixel(h, end, kRed), 0);
}

TEST(MenuDrawing, TheNameIsShownRawAboveAndColouredBelow) {
  MenuHarness h;
  h.Name() = "^2Green";
  Shown(h, kMenuPageName);
  const TRect input{48, 188, 592, 217}, preview{48, 263, 592, 292};
  EXPECT_EQ(CountPixel(h, input, MatchColor(0x00FF00)), 0);
  EXPECT_GT(CountPixel(h, input, kRed), 0);
  EXPECT_GT(CountPixel(h, preview, MatchColor(0x00FF00)), 0);
  // Centred on the visible characters: as much ink left of 320 as right of it, give or take.
  int left = 0, right = 0;
  for (int y = preview.Top; y < preview.Bottom; ++y) {
    for (int x = preview.Left; x < preview.Right; ++x) {
      if (h.Pixel(x, y) != kGrey) (x < 320 ? left : right)++;
    }
  }
  EXPECT_GT(left, 0);
  EXPECT_NEAR(left, right, (left + right) / 5);

  // Codes alone, or a name at its longest: drawn inside the boxes all the same.
  for (const std::string& name : {std::string("^1^2^3"), std::string(256, '^')}) {
    h.Name() = name;
    h.Frame();
    EXPECT_EQ(Ink(h, TRect{0, 300, 640, 400}), 0);
  }
}

TEST(MenuDrawing, MapRowsShowNameAndFileWithTheSelectionLit) {
  MenuHarness h;
  h.SetMaps(3);
  h.Menu().SelectedMap = 1;
  Shown(h, kMenuPageMaps);
  EXPECT_EQ(h.Pixel(45, 152), kDarkRed);
  EXPECT_EQ(h.Pixel(45, 117), kGrey);
  EXPECT_GT(CountPixel(h, TRect{48, 105, 300, 130}, 0), 0);
  EXPECT_EQ(CountPixel(h, TRect{48, 105, 300, 130}, kRed), 0);
  EXPECT_GT(CountPixel(h, TRect{48, 140, 300, 165}, kRed), 0);
  EXPECT_EQ(Ink(h, TRect{48, 205, 560, 376}), 0);  // rows without maps stay empty
  // The line between the rows and the scroll buttons.
  EXPECT_EQ(h.Pixel(564, 250), 0);
  EXPECT_EQ(h.Pixel(565, 250), 0);
  EXPECT_EQ(h.Pixel(567, 250), kGrey);

  // The text is longer with the file name in it than without.
  h.app->MapList[0].FileName = "a-much-longer-file-name.map";
  h.Frame();
  EXPECT_GT(Ink(h, TRect{200, 105, 560, 130}), 0);
}

TEST(MenuDrawing, ScoresShowAllEightRanksEmptyOnesWithoutNames) {
  MenuHarness h;
  h.SetMaps(1);
  h.app->ScoreTable.Entries[0] = {300, "^1Ann"};
  h.app->ScoreTable.Entries[1] = {200, "Bob"};
  h.app->ScoreTable.Entries[2] = {100, "^3C"};
  Shown(h, kMenuPageScores);
  for (int row = 1; row <= 8; ++row) {
    const TRect rank = ScoreCellRect(row, 0), name = ScoreCellRect(row, 1),
                score = ScoreCellRect(row, 2);
    const int y0 = rank.Top + 4, y1 = rank.Bottom - 4;
    EXPECT_GT(Ink(h, TRect{46, y0, 80, y1}), 0) << row;
    EXPECT_GT(Ink(h, TRect{score.Left, y0, 590, y1}), 0) << row;
    EXPECT_EQ(Ink(h, TRect{name.Left, y0, name.Right, y1}) > 0, row <= 3) << row;
  }
  EXPECT_GT(CountPixel(h, ScoreCellRect(1, 1), kRed), 0);
  // "0" is narrower than "300".
  auto inkColumns = [&](int row) {
    const TRect cell = ScoreCellRect(row, 2);
    int columns = 0;
    for (int x = cell.Left; x < 590; ++x) {
      bool any = false;
      for (int y = cell.Top + 4; y < cell.Bottom - 4; ++y) any |= h.Pixel(x, y) != kGrey;
      columns += any;
    }
    return columns;
  };
  EXPECT_LT(inkColumns(8) * 2, inkColumns(1));
}

TEST(MenuDrawing, EveryPageDrawsWithAnyNumberOfMaps) {
  for (int maps : {0, 1, 8, 9}) {
    MenuHarness h;
    h.SetMaps(maps);
    h.Menu().ListTop = maps > 8 ? 1 : 0;
    h.Menu().SelectedMap = maps - 1;
    h.app->ScoreTable.Entries[7].Name = std::string(255, '^');
    for (std::uint8_t page = 0; page <= kMenuPageScores; ++page) Shown(h, page);
    // Only the rows of existing maps are drawn.
    const int shown = maps < 8 ? maps : 8;
    Shown(h, kMenuPageMaps);
    EXPECT_EQ(Ink(h, TRect{48, 100 + 35 * shown + 5, 560, 375}), 0) << maps;
  }
}

}  // namespace
}  // namespace sk::test
