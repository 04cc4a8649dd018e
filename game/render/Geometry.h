#pragma once

#include "common/ScreenSize.h"

namespace sk {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle with an exclusive right and bottom edge: (0, 0, 640, 480) is the whole screen.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Empty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// A walking model's box: the size of its picture, feet at the middle of the bottom edge. A
// shot kills what it lands inside.
inline constexpr int kModelWidth = 50;
inline constexpr int kModelHeight = 80;
inline constexpr TRect ModelBoxAt(TPoint feet) {
  return TRect{feet.X - kModelWidth / 2, feet.Y - kModelHeight, feet.X + kModelWidth / 2, feet.Y};
}

// The overlap of two rectangles; empty (Right <= Left or Bottom <= Top) when they miss.
inline TRect IntersectRect(const TRect& a, const TRect& b) {
  return TRect{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
               a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
}

}  // namespace sk
