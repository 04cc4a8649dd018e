#include <gtest/gtest.h>

#include "common/Error.h"
#include "game/frontend/Cursor.h"
#include "game/render/Draw.h"
#include "platform/null/NullDisplay.h"
#include "render/RenderTestSupport.h"

namespace sk {
namespace {

struct DisplayFixture : ::testing::Test {
  TSurface back = MakeBackSurface();
  TImageList images;
  TNullDisplay display{back, images};
};

}  // namespace

TEST_F(DisplayFixture, InitializeMakesABlackSurfaceAndRebuildsImages) {
  TImage& logo = AddImage(images, "Logo.bmp", test::Solid(4, 4, 0xFFFFFF), false, 0, false);
  int initEvents = 0, finalEvents = 0;
  display.OnInitialize = [&] { ++initEvents; };
  display.OnFinalize = [&] { ++finalEvents; };
  EXPECT_FALSE(display.CanDraw());
  FillSurface(back, 0x1234);
  display.InitializeDisplay();
  EXPECT_TRUE(display.Initialized());
  EXPECT_EQ(test::CountNot(back, 0), 0);
  EXPECT_EQ(FrameCount(logo), 1);
  EXPECT_EQ(initEvents, 1);

  display.InitializeDisplay();  // again: finalizes first
  EXPECT_EQ(finalEvents, 1);
  display.FinalizeDisplay();
  display.FinalizeDisplay();
  EXPECT_EQ(finalEvents, 2);
  EXPECT_FALSE(display.CanDraw());
}

TEST_F(DisplayFixture, FlipPresentsTheBackSurface) {
  display.Flip();
  EXPECT_EQ(display.FlipCount, 0);  // nothing before the display is ready
  display.InitializeDisplay();
  FillSurfaceRect(back, TRect{10, 10, 20, 20}, 0xF800);
  display.Flip();
  ASSERT_EQ(display.FlipCount, 1);
  EXPECT_EQ(display.FramePixel(15, 15), 0xF800);
  EXPECT_EQ(display.FramePixel(5, 5), 0);
  EXPECT_EQ(display.VBlankWaits, 1);
  display.SetDisplayOptions(TDisplayOptions{false, false, {}, false});
  display.Flip();
  EXPECT_EQ(display.VBlankWaits, 1);
}

TEST_F(DisplayFixture, LostSurfacesComeBackOnTheNextCanDraw) {
  TImage& logo = AddImage(images, "Logo.bmp", test::Solid(4, 4, 0xFFFFFF), false, 0, false);
  display.InitializeDisplay();
  FillSurface(back, 0x1234);
  logo.Surface = TSurface();  // what the platform took away
  logo.Frames.clear();
  display.RestoreFails = true;
  display.LoseSurfaces();
  EXPECT_FALSE(display.CanDraw());
  display.Flip();
  EXPECT_EQ(display.FlipCount, 0);
  display.RestoreFails = false;
  EXPECT_TRUE(display.CanDraw());
  EXPECT_EQ(test::CountNot(back, 0), 0);
  DrawImage(logo, back, 0, 0, 0);  // drawable again without anyone reloading it
  EXPECT_EQ(back.At(3, 3), 0xFFFF);
}

TEST_F(DisplayFixture, RefusedFullScreenLeavesTheDisplayFinalized) {
  display.InitializeDisplay();
  display.SetDisplayOptions(TDisplayOptions{true, true, {}, false});
  display.RefuseFullScreen = true;
  try {
    display.InitializeDisplay();
    ADD_FAILURE() << "full screen was entered";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Display mode cannot be changed (640x480 16bit)");
  }
  EXPECT_FALSE(display.Initialized());
  display.RefuseFullScreen = false;
  display.InitializeDisplay();
  EXPECT_TRUE(display.FullScreenNow);
}

TEST_F(DisplayFixture, CursorDrawsCentredOnlyWhileThePointerIsOver) {
  TPicture arrow(5, 3, TRgb{0, 0, 0});
  arrow.At(2, 1) = TRgb{255, 255, 255};  // the hot spot, (5 div 2, 3 div 2)
  AddImage(images, "Menu_Cursor.bmp", arrow, true, 0x000000, false);
  AddImage(images, "Cursor.bmp", test::Solid(3, 3, 0xFF0000), true, 0x000000, false);
  display.InitializeDisplay();

  display.SystemCursor = TPoint{700, 10};  // outside the drawing area
  DrawCursor(images, back, display, 2, TPoint{100, 100});
  display.SystemCursor.reset();
  DrawCursor(images, back, display, 2, TPoint{100, 100});
  EXPECT_EQ(test::CountNot(back, 0), 0);

  display.SystemCursor = TPoint{300, 300};  // only decides whether; MousePos decides where
  DrawCursor(images, back, display, 2, TPoint{100, 100});
  EXPECT_EQ(back.At(100, 100), 0xFFFF);
  EXPECT_EQ(test::CountNot(back, 0), 1);
  DrawCursor(images, back, display, 1, TPoint{0, 0});  // the game's cursor, clipped
  EXPECT_EQ(back.At(0, 0), 0xF800);
  EXPECT_EQ(back.At(1, 1), 0xF800);
  EXPECT_EQ(test::CountNot(back, 0), 5);
  DrawCursor(images, back, display, 1, TPoint{-2147483647 - 1, 2147483647});
}

}  // namespace sk
