// Pen and brush shapes of the text canvas: rounded rectangles, ellipses, lines, fills. A
// pixel belongs to a shape when its centre does; the pen is a band of Pen.Width pixels
// along the inside of the outline, the brush fills what lies within the band.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/render/TextCanvas.h"

namespace sk {
namespace {

// A rectangle with elliptic corners of radii (rx, ry); zero radii give square corners.
struct TRoundShape {
  double Left, Top, Right, Bottom, Rx, Ry;

  bool Contains(double px, double py) const {
    if (px < Left || px > Right || py < Top || py > Bottom) return false;
    if (Rx <= 0 || Ry <= 0) return true;
    const double cx = px < Left + Rx ? Left + Rx : px > Right - Rx ? Right - Rx : px;
    const double cy = py < Top + Ry ? Top + Ry : py > Bottom - Ry ? Bottom - Ry : py;
    const double dx = (px - cx) / Rx;
    const double dy = (py - cy) / Ry;
    return dx * dx + dy * dy <= 1.0;
  }

  TRoundShape Inset(double d) const {
    return TRoundShape{Left + d, Top + d, Right - d, Bottom - d, Rx - d, Ry - d};
  }
};

// The pixels of row `py` (pixel centres) that a shape holds: [first, last). The shape is
// convex and symmetric about its vertical axis, so a row holds the pixel nearest that axis
// whenever it holds any, and membership only changes once on either side of it; the ends are
// found by bisection with the same test the shape uses, so every pixel comes out as if each
// had been tested on its own.
struct TSpan {
  long long First = 0;
  long long Last = 0;
  bool Empty() const { return Last <= First; }
};

TSpan RowSpan(const TRoundShape& shape, double py) {
  if (shape.Right <= shape.Left || shape.Bottom <= shape.Top) return {};
  const auto holds = [&](long long x) { return shape.Contains(static_cast<double>(x) + 0.5, py); };
  const long long middle = static_cast<long long>(std::floor((shape.Left + shape.Right) / 2));
  if (!holds(middle)) return {};
  long long out = static_cast<long long>(std::floor(shape.Left)) - 1, in = middle;
  while (in - out > 1) {
    const long long mid = out + (in - out) / 2;
    (holds(mid) ? in : out) = mid;
  }
  const long long first = in;
  in = middle;
  out = static_cast<long long>(std::ceil(shape.Right)) + 1;
  while (out - in > 1) {
    const long long mid = in + (out - in) / 2;
    (holds(mid) ? in : out) = mid;
  }
  return {first, in + 1};
}

void FillRun(std::uint16_t* row, long long from, long long to, int x0, int x1,
             std::uint16_t pixel) {
  from = std::max<long long>(from, x0);
  to = std::min<long long>(to, x1);
  if (from < to) std::fill(row + from, row + to, pixel);
}

// Paints the pen band and the brush interior of a shape, clipped to the surface.
void PaintShape(TSurface& s, const TRoundShape& outer, const TPen& pen, const TBrush& brush) {
  if (outer.Right <= outer.Left || outer.Bottom <= outer.Top) return;
  const TRoundShape inner = outer.Inset(std::max(pen.Width, 1));
  const bool fill = brush.Style == TBrushStyle::Solid;
  const std::uint16_t penPixel = MatchColor(pen.Color);
  const std::uint16_t brushPixel = MatchColor(brush.Color);
  const int y0 = static_cast<int>(std::max(0.0, std::floor(outer.Top)));
  const int y1 = static_cast<int>(std::min<double>(s.Height, std::ceil(outer.Bottom)));
  const int x0 = static_cast<int>(std::max(0.0, std::floor(outer.Left)));
  const int x1 = static_cast<int>(std::min<double>(s.Width, std::ceil(outer.Right)));
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y) {
    const double py = y + 0.5;
    const TSpan band = RowSpan(outer, py);
    if (band.Empty()) continue;
    std::uint16_t* row = s.Row(y);
    TSpan hole = RowSpan(inner, py);
    // The inner shape lies inside the outer one; keep the hole inside the band regardless.
    hole.First = std::max(hole.First, band.First);
    hole.Last = std::min(hole.Last, band.Last);
    if (hole.Empty()) {
      FillRun(row, band.First, band.Last, x0, x1, penPixel);
      continue;
    }
    FillRun(row, band.First, hole.First, x0, x1, penPixel);
    if (fill) FillRun(row, hole.First, hole.Last, x0, x1, brushPixel);
    FillRun(row, hole.Last, band.Last, x0, x1, penPixel);
  }
}

TRoundShape ShapeOf(int x1, int y1, int x2, int y2, double rx, double ry) {
  // Corners given in any order describe the same rectangle.
  const double l = std::min(x1, x2), r = std::max(x1, x2);
  const double t = std::min(y1, y2), b = std::max(y1, y2);
  return TRoundShape{l, t, r, b, std::min(rx, (r - l) / 2), std::min(ry, (b - t) / 2)};
}

// A wide pen widens a line across its main direction, centred on it.
void PutPenDot(TSurface& s, long long x, long long y, int width, bool steep, std::uint16_t pixel) {
  const long long from = -(width / 2);
  for (long long d = from; d < from + width; ++d) {
    const long long px = steep ? x + d : x, py = steep ? y : y + d;
    if (px >= 0 && py >= 0 && px < s.Width && py < s.Height)
      s.At(static_cast<int>(px), static_cast<int>(py)) = pixel;
  }
}

// Coordinates far outside the surface are pulled in along the line, so a wild line costs
// no more than one across the screen.
bool ClipLine(double& x1, double& y1, double& x2, double& y2, double w, double h) {
  double t0 = 0, t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + 4, w + 4 - x1, y1 + 4, h + 4 - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const double ox = x1, oy = y1;
  x1 = ox + t0 * dx;
  y1 = oy + t0 * dy;
  x2 = ox + t1 * dx;
  y2 = oy + t1 * dy;
  return true;
}

}  // namespace

void TTextCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) {
  if (!surface_) return;
  PaintShape(*surface_, ShapeOf(x1, y1, x2, y2, std::max(cornerW, 0) / 2.0, std::max(cornerH, 0) / 2.0),
             Pen, Brush);
}

void TTextCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!surface_) return;
  const double big = 1.0e12;  // radii at least half the sides: an ellipse
  PaintShape(*surface_, ShapeOf(x1, y1, x2, y2, big, big), Pen, Brush);
}

void TTextCanvas::FillRect(const TRect& r) {
  if (surface_) FillSurfaceRect(*surface_, r, MatchColor(Brush.Color));
}

void TTextCanvas::Line(int x1, int y1, int x2, int y2) {
  if (!surface_) return;
  double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
  const bool wholeLine =
      ClipLine(fx1, fy1, fx2, fy2, surface_->Width, surface_->Height);
  if (!wholeLine) return;
  // The end point is not drawn, so lines chain without doubling their joints.
  const bool clippedEnd = fx2 != x2 || fy2 != y2;
  long long ax = std::llround(fx1), ay = std::llround(fy1);
  const long long bx = std::llround(fx2), by = std::llround(fy2);
  const long long dx = std::llabs(bx - ax), dy = -std::llabs(by - ay);
  const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
  long long err = dx + dy;
  const std::uint16_t pixel = MatchColor(Pen.Color);
  const int width = std::clamp(Pen.Width, 1, 64);
  const bool steep = -dy > dx;
  for (;;) {
    if (ax == bx && ay == by) {
      if (clippedEnd) PutPenDot(*surface_, ax, ay, width, steep, pixel);
      break;
    }
    PutPenDot(*surface_, ax, ay, width, steep, pixel);
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      ax += sx;
    }
    if (e2 <= dx) {
      err += dx;
      ay += sy;
    }
  }
}

}  // namespace sk
