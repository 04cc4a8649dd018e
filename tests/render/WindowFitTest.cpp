// The picture in a window of any size, the mouse mapped through it, the first window's size.
#include <gtest/gtest.h>

#include "game/render/WindowFit.h"

namespace sk {
namespace {

TEST(WindowFit, ThePictureFillsTheWindowAt4To3WithBarsOnTheOtherSides) {
  EXPECT_EQ(PictureArea({640, 480}), (TRect{0, 0, 640, 480}));
  EXPECT_EQ(PictureArea({1280, 960}), (TRect{0, 0, 1280, 960}));
  // Wider than 4:3: bars left and right (700 * 4 / 3 = 933.3 rounds to 933).
  EXPECT_EQ(PictureArea({1500, 700}), (TRect{283, 0, 1216, 700}));
  // Narrower: bars above and below.
  EXPECT_EQ(PictureArea({800, 1000}), (TRect{0, 200, 800, 800}));
  EXPECT_EQ(PictureArea({0, 0}), (TRect{0, 0, 640, 480}));
}

TEST(WindowFit, MousePositionsInTheBarsAreOutsideThePicture) {
  const TRect area = PictureArea({1500, 700});
  EXPECT_EQ(AreaToPicture(area, 282, 350), std::nullopt);
  EXPECT_EQ(AreaToPicture(area, 1216, 350), std::nullopt);
  EXPECT_EQ(AreaToPicture(area, 500, -1), std::nullopt);
  EXPECT_EQ(AreaToPicture(area, 283, 0), (TPoint{0, 0}));
  EXPECT_EQ(AreaToPicture(area, 1215, 699), (TPoint{639, 479}));
  EXPECT_EQ(AreaToPicture(area, 750, 350), (TPoint{320, 240}));  // (750-283)*640/933, 350*480/700
  // Twice the size: every picture pixel is a 2 x 2 block.
  const TRect twice = PictureArea({1280, 960});
  EXPECT_EQ(AreaToPicture(twice, 641, 3), (TPoint{320, 1}));
}

// (In a window smaller than the picture several pixels share one spot; none lands exactly.)
TEST(WindowFit, AWarpLandsOnThePixelItAimsAt) {
  for (const TWindowSize size : {TWindowSize{640, 480}, TWindowSize{1500, 700},
                                 TWindowSize{800, 1000}, TWindowSize{1920, 1080}}) {
    const TRect area = PictureArea(size);
    for (const TPoint p : {TPoint{0, 0}, TPoint{320, 240}, TPoint{639, 479}, TPoint{17, 401}}) {
      const TPoint at = PictureToArea(area, p);
      EXPECT_EQ(AreaToPicture(area, at.X, at.Y), p) << size.Width << "x" << size.Height;
    }
  }
}

TEST(WindowFit, TheFirstWindowIsTheLargestWholeMultipleThatFitsComfortably) {
  const TWindowSize none{0, 0};
  EXPECT_EQ(ChooseWindowSize(none, {1920, 1080}), (TWindowSize{1280, 960}));
  EXPECT_EQ(ChooseWindowSize(none, {1920, 1040}), (TWindowSize{1280, 960}));  // a panel
  EXPECT_EQ(ChooseWindowSize(none, {2560, 1440}),
            (TWindowSize{1280, 960}));  // 3x leaves no title bar
  EXPECT_EQ(ChooseWindowSize(none, {3840, 2160}), (TWindowSize{2560, 1920}));
  EXPECT_EQ(ChooseWindowSize(none, {1280, 1024}),
            (TWindowSize{640, 480}));  // no room for the frame
  EXPECT_EQ(ChooseWindowSize(none, {1366, 768}), (TWindowSize{640, 480}));
  EXPECT_EQ(ChooseWindowSize(none, {800, 600}), (TWindowSize{640, 480}));
  EXPECT_EQ(ChooseWindowSize(none, {320, 200}), (TWindowSize{640, 480}));  // never below 1x
}

TEST(WindowFit, AKeptSizeIsUsedWhileItFitsTheDesktop) {
  EXPECT_EQ(ChooseWindowSize({1000, 750}, {1920, 1080}), (TWindowSize{1000, 750}));
  EXPECT_EQ(ChooseWindowSize({320, 240}, {1920, 1080}), (TWindowSize{320, 240}));
  EXPECT_EQ(ChooseWindowSize({1920, 1061}, {1920, 1080}), (TWindowSize{1920, 1061}));
  // Too large for this desktop, too small to play in, or nonsense: the game chooses.
  EXPECT_EQ(ChooseWindowSize({2560, 1920}, {1920, 1080}), (TWindowSize{1280, 960}));
  EXPECT_EQ(ChooseWindowSize({319, 600}, {1920, 1080}), (TWindowSize{1280, 960}));
  EXPECT_EQ(ChooseWindowSize({-5, 480}, {1920, 1080}), (TWindowSize{1280, 960}));
}

}  // namespace
}  // namespace sk
