#include <gtest/gtest.h>

#include <random>

#include "game/render/Draw.h"
#include "render/RenderTestSupport.h"

namespace sk {
namespace {

constexpr std::uint16_t kGrey = 0x1234;

// A 4 x 2 picture cut into 2 x 1 frames, each frame a colour of its own.
TImage& FramedImage(TImageList& list) {
  TPicture p(4, 2);
  const TColor colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  for (int n = 0; n < 4; ++n)
    for (int i = 0; i < 2; ++i) p.At((n % 2) * 2 + i, n / 2) = ColorToRgb(colours[n]);
  return test::AddRestored(list, "Frames.bmp", p, false, 0, 2, 1);
}

}  // namespace

TEST(DrawImage, FramesClippingAndInvalidNumbers) {
  TImageList list;
  const TImage& image = FramedImage(list);
  TSurface s = MakeBackSurface();
  DrawImage(image, s, 10, 20, 3);
  EXPECT_EQ(s.At(10, 20), 0xFFFF);
  EXPECT_EQ(s.At(11, 20), 0xFFFF);
  EXPECT_EQ(test::CountNot(s, 0), 2);

  FillSurface(s, 0);
  DrawImage(image, s, 10, 20, 4);  // one past the last frame
  DrawImage(image, s, 10, 20, -1);
  EXPECT_EQ(test::CountNot(s, 0), 0);

  DrawImage(image, s, -1, 0, 1);  // half off the left edge: the right pixel shows
  EXPECT_EQ(s.At(0, 0), MatchColor(0x00FF00));
  DrawImage(image, s, 639, 479, 2);  // the left pixel fits in the corner
  EXPECT_EQ(s.At(639, 479), MatchColor(0x0000FF));
  EXPECT_EQ(test::CountNot(s, 0), 2);
}

TEST(DrawImage, TransparencyComparesConvertedValues) {
  TImageList list;
  TPicture p(4, 1);
  p.At(0, 0) = TRgb{255, 0, 255};
  p.At(1, 0) = TRgb{250, 3, 251};  // converts to the key's value too
  p.At(2, 0) = TRgb{247, 0, 255};  // red 30 after conversion: drawn
  p.At(3, 0) = TRgb{255, 4, 255};  // green 1 after conversion: drawn
  const TImage& keyed = test::AddRestored(list, "Keyed.bmp", p, true, 0xFF00FF);
  const TImage& opaque = test::AddRestored(list, "Opaque.bmp", p, false, 0xFF00FF);
  TSurface s = MakeBackSurface();
  FillSurface(s, kGrey);
  DrawImage(keyed, s, 0, 0, 0);
  EXPECT_EQ(s.At(0, 0), kGrey);
  EXPECT_EQ(s.At(1, 0), kGrey);
  EXPECT_EQ(s.At(2, 0), 0xF01F);
  EXPECT_EQ(s.At(3, 0), 0xF83F);
  DrawImage(opaque, s, 0, 1, 0);
  EXPECT_EQ(s.At(0, 1), 0xF81F);
  EXPECT_EQ(s.At(1, 1), 0xF81F);

  // Long rows go through the wide path; the key must hold there too.
  TPicture wide(37, 1, TRgb{0, 0, 255});
  for (int x = 0; x < 37; x += 3) wide.At(x, 0) = TRgb{255, 0, 255};
  const TImage& row = test::AddRestored(list, "Row.bmp", wide, true, 0xFF00FF);
  DrawImage(row, s, 5, 2, 0);
  for (int x = 0; x < 37; ++x) EXPECT_EQ(s.At(5 + x, 2), x % 3 == 0 ? kGrey : 0x001F) << x;
}

TEST(DrawImageStretch, FillsTheRectangleAndIgnoresEmptyOnes) {
  TImageList list;
  const TImage& bar = test::AddRestored(list, "RailBar.bmp", test::Solid(2, 1, 0x00FF00));
  TSurface s = MakeBackSurface();
  DrawImageStretch(bar, s, TRect{0, 470, 100, 480}, 0);
  EXPECT_EQ(test::CountNot(s, 0), 1000);
  EXPECT_EQ(s.At(99, 479), 0x07E0);
  FillSurface(s, 0);
  DrawImageStretch(bar, s, TRect{0, 470, 0, 480}, 0);
  DrawImageStretch(bar, s, TRect{0, 470, 100, 480}, 1);
  DrawImageStretch(bar, s, TRect{600, 470, 2147483647, 2147483647}, 0);  // clipped
  EXPECT_EQ(test::CountNot(s, 0), 40 * 10);
}

TEST(DrawImageRotate, QuarterTurnPointsTheRightEdgeDown) {
  TImageList list;
  TPicture p(10, 2, TRgb{255, 0, 0});
  for (int x = 5; x < 10; ++x) p.At(x, 0) = p.At(x, 1) = TRgb{0, 255, 0};
  const TImage& image = test::AddRestored(list, "Bar.bmp", p);
  TSurface s = MakeBackSurface();
  DrawImageRotate(image, s, 100, 100, 10, 2, 0, 0.0, 0.0, 0);
  EXPECT_EQ(s.At(100, 100), 0xF800);
  EXPECT_EQ(s.At(109, 101), 0x07E0);
  EXPECT_EQ(test::CountNot(s, 0), 20);

  FillSurface(s, 0);
  DrawImageRotate(image, s, 100, 100, 10, 2, 0, 0.0, 0.0, 64 + 256 * 3);
  EXPECT_EQ(test::CountNot(s, 0), 20);
  // Turned clockwise about (100, 100): the frame now hangs below, to the left of x = 100.
  for (int y = 100; y < 110; ++y)
    for (int x = 98; x < 100; ++x) EXPECT_EQ(s.At(x, y), y < 105 ? 0xF800 : 0x07E0) << x << "," << y;
}

TEST(DrawImageRotate, BottomCentrePivotStaysPut) {
  TImageList list;
  const TImage& image = test::AddRestored(list, "Model.bmp", test::Solid(20, 30, 0xFFFFFF));
  for (int angle = -256; angle < 256; angle += 7) {
    TSurface s = MakeBackSurface();
    DrawImageRotate(image, s, 300, 200, 20, 30, 0, 0.5, 1.0, angle);
    int nearPivot = 0;
    for (int y = 199; y <= 200; ++y)
      for (int x = 299; x <= 300; ++x) nearPivot += s.At(x, y) != 0;
    EXPECT_GT(nearPivot, 0) << angle;
    // Nothing lands farther from the pivot than the frame's far corners.
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        if (s.At(x, y)) {
          const double dx = x + 0.5 - 300, dy = y + 0.5 - 200;
          ASSERT_LE(dx * dx + dy * dy, 10.0 * 10 + 30 * 30 + 4) << angle;
        }
  }
}

TEST(DrawImageRotateAdd, SaturatingAddAndScaledSource) {
  TImageList list;
  // Green 100 widens exactly; red and blue 96 are what 100 keeps in five bits.
  const TImage& trail = test::AddRestored(list, "RailTrail.bmp", test::Solid(4, 4, 0x606460));
  const std::uint16_t dest = MatchColor(0xC8C8C8);  // 200 in every channel
  auto drawn = [&](int alpha) {
    TSurface s = MakeBackSurface();
    FillSurface(s, dest);
    DrawImageRotateAdd(trail, s, 100, 100, 4, 4, 0, 0.0, 0.0, 0, alpha);
    return s.At(101, 101);
  };
  EXPECT_EQ(drawn(255), 0xFFFF);
  EXPECT_EQ(drawn(1000), 0xFFFF);
  // 50 + 200 = 250 in green keeps 62 in six bits; red and blue 48 + 200 = 248.
  EXPECT_EQ(drawn(128), 0xFFDF);
  EXPECT_EQ(drawn(0), dest);
  EXPECT_EQ(drawn(-5), dest);
}

TEST(DrawImageWaveAlpha, BlendsRedGreenAndBlueByTheirOwnFormulas) {
  TImageList list;
  const TImage& red = test::AddRestored(list, "Red.bmp", test::Solid(4, 4, 0xF80000));
  TSurface s = MakeBackSurface();
  DrawImageWaveAlpha(red, s, 10, 10, 4, 4, 0, 0, 0, 0, 128);
  EXPECT_EQ(s.At(10, 10) >> 11, 15);  // (248 * 128) >> 8 = 124, stored as 124 >> 3
  DrawImageWaveAlpha(red, s, 20, 10, 4, 4, 0, 0, 0, 0, 255);
  EXPECT_EQ(s.At(20, 10), 0xF800);

  // Blending a colour with itself: red and green lose a little, blue does not.
  const TImage& white = test::AddRestored(list, "White.bmp", test::Solid(4, 4, 0xF8FCF8));
  FillSurface(s, 0xFFFF);
  DrawImageWaveAlpha(white, s, 10, 10, 4, 4, 0, 0, 0, 0, 128);
  EXPECT_EQ(s.At(10, 10), (30 << 11) | (62 << 5) | 31);
  FillSurface(s, 0xFFFF);
  DrawImageWaveAlpha(white, s, 10, 10, 4, 4, 0, 0, 0, 0, 0);
  DrawImageWaveAlpha(white, s, 10, 10, 0, 4, 0, 0, 0, 0, 128);
  DrawImageWaveAlpha(white, s, 10, 10, 4, 4, 1, 0, 0, 0, 128);
  EXPECT_EQ(test::CountNot(s, 0xFFFF), 0);
}

TEST(DrawImageWaveAlpha, RowsFollowTheWave) {
  TImageList list;
  const TImage& logo = test::AddRestored(list, "Logo.bmp", test::Solid(4, 4, 0xFFFFFF));
  auto firstLit = [](const TSurface& s, int y) {
    for (int x = 0; x < s.Width; ++x)
      if (s.At(x, y)) return x;
    return -1;
  };
  TSurface s = MakeBackSurface();
  // Length 0: one shift for all rows, sin256(32) * 10 = 7.07 -> 7.
  DrawImageWaveAlpha(logo, s, 100, 50, 4, 4, 0, 10, 0, 32, 255);
  for (int y = 50; y < 54; ++y) EXPECT_EQ(firstLit(s, y), 107);

  // Length 4: a quarter period per row, shifts 0, 10, 0, -10.
  FillSurface(s, 0);
  DrawImageWaveAlpha(logo, s, 100, 50, 4, 4, 0, 10, 4, 0, 255);
  EXPECT_EQ(firstLit(s, 50), 100);
  EXPECT_EQ(firstLit(s, 51), 110);
  EXPECT_EQ(firstLit(s, 52), 100);
  EXPECT_EQ(firstLit(s, 53), 90);

  // A row above the surface takes its part of the wave with it.
  FillSurface(s, 0);
  DrawImageWaveAlpha(logo, s, 100, -1, 4, 4, 0, 10, 4, 0, 255);
  EXPECT_EQ(firstLit(s, 0), 110);
  EXPECT_EQ(firstLit(s, 2), 90);
  // Cut on the left: the visible part is the row's right end.
  FillSurface(s, 0);
  DrawImageWaveAlpha(logo, s, -2, 0, 4, 4, 0, 0, 0, 0, 255);
  EXPECT_EQ(test::CountNot(s, 0), 8);
}

TEST(Draw, WildArgumentsNeverWriteOutsideTheSurface) {
  TImageList list;
  const TImage& image = test::AddRestored(list, "Any.bmp", test::Solid(8, 6, 0xABCDEF), true, 0, 4, 3);
  std::mt19937 rng(1234);
  const int extremes[] = {0, 1, -1, 639, 640, 480, -640, 100000, -100000, 2147483647, -2147483647 - 1};
  auto pick = [&] {
    return rng() % 2 ? extremes[rng() % std::size(extremes)] : static_cast<int>(rng() % 1400) - 400;
  };
  TSurface s = MakeBackSurface();
  TSurface tiny(3, 2);
  TSurface none;
  for (int i = 0; i < 3000; ++i) {
    TSurface& target = i % 10 == 0 ? tiny : i % 10 == 1 ? none : s;
    const int frame = static_cast<int>(rng() % 6) - 1;
    DrawImage(image, target, pick(), pick(), frame);
    DrawImageStretch(image, target, TRect{pick(), pick(), pick(), pick()}, frame);
    const double cx = (rng() % 5) - 1.5, cy = (rng() % 5) - 1.5;
    const int w = pick() % 2000, h = pick() % 2000;
    DrawImageRotate(image, target, pick(), pick(), w, h, frame, cx, cy, pick());
    DrawImageRotateAdd(image, target, pick(), pick(), w, h, frame, cx, cy, pick(), pick());
    DrawImageWaveAlpha(image, target, pick(), pick(), pick(), pick() % 3000, frame, pick(), pick(),
                       pick(), pick());
  }
  EXPECT_EQ(s.Pixels.size(), 640u * 480u);
  EXPECT_EQ(tiny.Pixels.size(), 6u);
}

}  // namespace sk
