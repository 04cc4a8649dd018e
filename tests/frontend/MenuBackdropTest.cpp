// The menu's backdrop on pictures that can be told apart: the scrolling tiles and the logo of
// the main page.
#include <gtest/gtest.h>

#include "IntroCreditsHarness.h"
#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/shell/SKInit.h"

namespace sk::test {
namespace {

TEST(MenuBackdrop, TilesMoveRightAndDownOnePixelAFrameAndJumpBackAfterTheShorterSide) {
  IntroCreditsHarness h;
  // 64 x 48 tiles with one white pixel in their top-left corner.
  h.Put("Menu_Background.bmp", MakeIntroBmp(64, 48, [](int x, int y) {
          return x == 0 && y == 0 ? TColor{0xFFFFFF} : kTileColor;
        }));
  h.Load();
  EnterMenu(*h.app, kMenuPageMain);
  const std::uint16_t mark = 0xFFFF;
  for (int frame = 1; frame <= 48; ++frame) {
    DrawMenuBackground(h.app->Graphics, MenuRecord(*h.app).BackgroundOffset, true);
    ASSERT_EQ(MenuRecord(*h.app).BackgroundOffset, -frame);
    // Tiles stand at -offset - W + k W across and -offset - H + m H down.
    ASSERT_EQ(h.Pixel(frame, frame), mark) << frame;
    ASSERT_EQ(h.Pixel(frame + 64, frame + 48), mark) << frame;
  }
  DrawMenuBackground(h.app->Graphics, MenuRecord(*h.app).BackgroundOffset,
                     true);  // 48 frames down the 48 rows of a tile: back to the start
  EXPECT_EQ(MenuRecord(*h.app).BackgroundOffset, 0);
  EXPECT_EQ(h.Pixel(0, 0), mark);
  EXPECT_EQ(h.Pixel(1, 1), Px(kTileColor));
}

TEST(MenuBackdrop, TheLogoStandsCentredAt32OnTheMainPageOnly) {
  IntroCreditsHarness h;
  h.Load();
  EnterMenu(*h.app, kMenuPageMain);
  const std::uint16_t upper = Px(kUpperHalfColor), lower = Px(kLowerHalfColor);
  for (std::uint8_t page :
       {kMenuPageMain, kMenuPageExit, kMenuPageName, kMenuPageMaps, kMenuPageScores}) {
    MenuRecord(*h.app).MenuPage = page;
    MenuStep(*h.app);
    // The whole 300 x 80 picture at ((640 - 300) div 2, 32).
    const bool main = page == kMenuPageMain;
    EXPECT_EQ(h.Pixel(170, 32) == upper, main) << int(page);
    EXPECT_EQ(h.Pixel(469, 111) == lower, main) << int(page);
    EXPECT_NE(h.Pixel(169, 32), upper) << int(page);
    EXPECT_NE(h.Pixel(170, 31), upper) << int(page);
  }
}

}  // namespace
}  // namespace sk::test
