// Rounded rectangles and ellipses are painted a row span at a time; every pixel must still be
// exactly what testing its centre against the shape gives. The oracle below tests each pixel
// on its own, the plain way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "RenderTestSupport.h"
#include "game/render/TextCanvas.h"

namespace sk {
namespace {

bool InRound(double l, double t, double r, double b, double rx, double ry, double px, double py) {
  if (px < l || px > r || py < t || py > b) return false;
  if (rx <= 0 || ry <= 0) return true;
  const double cx = px < l + rx ? l + rx : px > r - rx ? r - rx : px;
  const double cy = py < t + ry ? t + ry : py > b - ry ? b - ry : py;
  const double dx = (px - cx) / rx, dy = (py - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

// One pixel at a time: pen band inside the outline, brush within it.
void PaintOracle(TSurface& s, int x1, int y1, int x2, int y2, double rx, double ry, int penWidth,
                 std::uint16_t pen, std::uint16_t brush, bool fill) {
  const double l = std::min(x1, x2), r = std::max(x1, x2);
  const double t = std::min(y1, y2), b = std::max(y1, y2);
  rx = std::min(rx, (r - l) / 2);
  ry = std::min(ry, (b - t) / 2);
  if (r <= l || b <= t) return;
  const double d = std::max(penWidth, 1);
  for (int y = 0; y < s.Height; ++y) {
    for (int x = 0; x < s.Width; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      if (!InRound(l, t, r, b, rx, ry, px, py)) continue;
      if (!InRound(l + d, t + d, r - d, b - d, rx - d, ry - d, px, py)) {
        s.At(x, y) = pen;
      } else if (fill) {
        s.At(x, y) = brush;
      }
    }
  }
}

TEST(ShapeSpans, EveryPixelAsIfTestedAlone) {
  std::mt19937 rng(11);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  TSurface painted(96, 64), expected(96, 64);
  TTextCanvas canvas(test::FontPath());
  for (int round = 0; round < 3000; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    FillSurface(painted, 0x1234);
    FillSurface(expected, 0x1234);
    const int x1 = pick(-20, 100), y1 = pick(-20, 70);
    const int x2 = x1 + pick(-3, 60), y2 = y1 + pick(-3, 45);
    const int cornerW = pick(0, 3) == 0 ? 0 : pick(1, 70);
    const int cornerH = pick(0, 3) == 0 ? 0 : pick(1, 70);
    const bool ellipse = round % 5 == 0;
    canvas.Pen.Width = pick(0, 6);
    canvas.Pen.Color = 0xFF0000;
    canvas.Brush.Color = 0x00FF00;
    canvas.Brush.Style = round % 3 == 0 ? TBrushStyle::Clear : TBrushStyle::Solid;
    SurfaceCanvas(canvas, painted);
    const double big = 1.0e12;
    if (ellipse) {
      canvas.Ellipse(x1, y1, x2, y2);
    } else {
      canvas.RoundRect(x1, y1, x2, y2, cornerW, cornerH);
    }
    ReleaseCanvas(canvas);
    PaintOracle(expected, x1, y1, x2, y2, ellipse ? big : cornerW / 2.0,
                ellipse ? big : cornerH / 2.0, canvas.Pen.Width, MatchColor(0xFF0000),
                MatchColor(0x00FF00), canvas.Brush.Style == TBrushStyle::Solid);
    ASSERT_EQ(painted.Pixels, expected.Pixels);
  }
}

}  // namespace
}  // namespace sk
