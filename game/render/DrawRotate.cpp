#include <algorithm>
#include <cmath>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"

namespace sk {
namespace {

// Far beyond any surface, small enough that every later product fits in 64 bits.
constexpr double kCoordLimit = 1.0e9;

int TruncCoord(double v) { return static_cast<int>(std::trunc(std::clamp(v, -kCoordLimit, kCoordLimit))); }

std::int64_t ToFixed(double v) {
  return static_cast<std::int64_t>(std::floor(std::clamp(v, -4.0e12, 4.0e12) * 65536.0));
}

// The turned, scaled frame: which destination pixels it covers and where each one samples.
struct TRotation {
  int X0 = 0, Y0 = 0, X1 = -1, Y1 = -1;  // visited area, inclusive, inside the surface
  double X, Y, Cos, Sin, PivotU, PivotV, ScaleU, ScaleV;
};

bool MakeRotation(const TRect& fr, const TSurface& surface, int x, int y, int w, int h, double cx,
                  double cy, int angle, TRotation& r) {
  if (w <= 0 || h <= 0 || surface.Empty() || !std::isfinite(cx) || !std::isfinite(cy))
    return false;
  r.X = x;
  r.Y = y;
  r.Cos = Cos256(angle);
  r.Sin = Sin256(angle);
  r.PivotU = w * cx;
  r.PivotV = h * cy;
  r.ScaleU = static_cast<double>(fr.Width()) / w;
  r.ScaleV = static_cast<double>(fr.Height()) / h;
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int corner = 0; corner < 4; ++corner) {
    const double u = ((corner & 1) ? w : 0) - r.PivotU;
    const double v = ((corner & 2) ? h : 0) - r.PivotV;
    const int px = TruncCoord(x + u * r.Cos - v * r.Sin);
    const int py = TruncCoord(y + u * r.Sin + v * r.Cos);
    minX = corner ? std::min(minX, px) : px;
    maxX = corner ? std::max(maxX, px) : px;
    minY = corner ? std::min(minY, py) : py;
    maxY = corner ? std::max(maxY, py) : py;
  }
  r.X0 = std::max(minX, 0);
  r.Y0 = std::max(minY, 0);
  r.X1 = std::min(maxX, surface.Width - 1);
  r.Y1 = std::min(maxY, surface.Height - 1);
  return r.X0 <= r.X1 && r.Y0 <= r.Y1;
}

// Visits every destination pixel of the area whose source point (sampled at the pixel's
// centre, stepped in 16.16) lies in the frame, calling put(dst, src) for non-key pixels.
template <typename Put>
void ForEachRotatedPixel(const TImage& image, const TRect& fr, TSurface& surface,
                         const TRotation& r, Put put) {
  const std::int64_t fw = static_cast<std::int64_t>(fr.Width()) << 16;
  const std::int64_t fh = static_cast<std::int64_t>(fr.Height()) << 16;
  const std::int64_t stepU = ToFixed(r.Cos * r.ScaleU);
  const std::int64_t stepV = ToFixed(-r.Sin * r.ScaleV);
  for (int dy = r.Y0; dy <= r.Y1; ++dy) {
    const double rx = r.X0 + 0.5 - r.X;
    const double ry = dy + 0.5 - r.Y;
    std::int64_t u = ToFixed((rx * r.Cos + ry * r.Sin + r.PivotU) * r.ScaleU);
    std::int64_t v = ToFixed((-rx * r.Sin + ry * r.Cos + r.PivotV) * r.ScaleV);
    std::uint16_t* dst = surface.Row(dy);
    for (int dx = r.X0; dx <= r.X1; ++dx, u += stepU, v += stepV) {
      if (u < 0 || v < 0 || u >= fw || v >= fh) continue;
      const std::uint16_t p =
          image.Surface.At(fr.Left + static_cast<int>(u >> 16), fr.Top + static_cast<int>(v >> 16));
      if (image.Transparent && p == image.Key) continue;
      put(dst[dx], p);
    }
  }
}

}  // namespace

void DrawImageRotate(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                     int frame, double cx, double cy, int angle) {
  const TRect* fr = draw::ValidFrame(image, frame);
  TRotation r;
  if (!fr || !MakeRotation(*fr, surface, x, y, w, h, cx, cy, angle, r)) return;
  ForEachRotatedPixel(image, *fr, surface, r, [](std::uint16_t& d, std::uint16_t s) { d = s; });
}

void DrawImageRotateAdd(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                        int frame, double cx, double cy, int angle, int alpha) {
  if (alpha <= 0) return;
  const TRect* fr = draw::ValidFrame(image, frame);
  TRotation r;
  if (!fr || !MakeRotation(*fr, surface, x, y, w, h, cx, cy, angle, r)) return;
  if (alpha >= 255) {
    ForEachRotatedPixel(image, *fr, surface, r,
                        [](std::uint16_t& d, std::uint16_t s) { d = draw::AddSaturate(s, d); });
  } else {
    ForEachRotatedPixel(image, *fr, surface, r, [alpha](std::uint16_t& d, std::uint16_t s) {
      d = draw::AddScaled(s, d, alpha);
    });
  }
}

}  // namespace sk
