#include <gtest/gtest.h>

#include "game/render/Surface.h"

namespace sk {

TEST(Surface, MatchColorKeepsTopBits) {
  EXPECT_EQ(MatchColor(0xFF00FF), 0xF81F);
  EXPECT_EQ(MatchColor(0x595959), 0x5ACB);
  EXPECT_EQ(MatchColor(0xFFFFFF), 0xFFFF);
  EXPECT_EQ(MatchColor(0x070307), 0x0000);  // low bits only: black
  // Widening puts the bits back at the top of each byte, zeros below.
  EXPECT_EQ(Red8(0xF81F), 248);
  EXPECT_EQ(Green8(0x07E0), 252);
  EXPECT_EQ(Blue8(0x001F), 248);
}

TEST(Surface, BackSurfaceStartsBlackAndFillsClip) {
  TSurface s = MakeBackSurface();
  ASSERT_EQ(s.Width, 640);
  ASSERT_EQ(s.Height, 480);
  for (auto p : s.Pixels) ASSERT_EQ(p, 0);

  FillSurface(s, 0x1234);
  EXPECT_EQ(s.At(0, 0), 0x1234);
  EXPECT_EQ(s.At(639, 479), 0x1234);

  FillSurface(s, 0);
  FillSurfaceRect(s, TRect{630, 470, 700, 900}, 0xFFFF);
  EXPECT_EQ(s.At(629, 479), 0);
  EXPECT_EQ(s.At(630, 470), 0xFFFF);
  EXPECT_EQ(s.At(639, 479), 0xFFFF);
  int n = 0;
  for (auto p : s.Pixels) n += p != 0;
  EXPECT_EQ(n, 10 * 10);

  // Empty, inverted and wildly placed rectangles touch nothing.
  FillSurface(s, 0);
  FillSurfaceRect(s, TRect{10, 10, 10, 20}, 1);
  FillSurfaceRect(s, TRect{50, 50, 20, 20}, 1);
  FillSurfaceRect(s, TRect{-2147483647 - 1, -2147483647 - 1, -5, 2147483647}, 1);
  FillSurfaceRect(s, TRect{640, 0, 2147483647, 480}, 1);
  for (auto p : s.Pixels) ASSERT_EQ(p, 0);
}

}  // namespace sk
