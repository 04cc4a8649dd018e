#pragma once
// The drawing operations as they were first written, one pixel at a time: the reference the
// faster ones must match pixel for pixel.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"
#include "game/render/GlyphCache.h"

namespace sk::reference {

// min(255, s + d) per channel.
inline std::uint16_t AddSaturate(std::uint16_t s, std::uint16_t d) {
  return Pack565(std::min(255, Red8(s) + Red8(d)), std::min(255, Green8(s) + Green8(d)),
                 std::min(255, Blue8(s) + Blue8(d)));
}

// min(255, ((s * alpha) >> 8) + d) per channel, alpha in 1..254.
inline std::uint16_t AddScaled(std::uint16_t s, std::uint16_t d, int alpha) {
  return Pack565(std::min(255, ((Red8(s) * alpha) >> 8) + Red8(d)),
                 std::min(255, ((Green8(s) * alpha) >> 8) + Green8(d)),
                 std::min(255, ((Blue8(s) * alpha) >> 8) + Blue8(d)));
}

// Red and green weigh source and destination; blue moves the destination towards the source
// by floor((s - d) * alpha / 256). The two forms differ by design and are kept apart.
inline std::uint16_t BlendAlpha(std::uint16_t s, std::uint16_t d, int alpha) {
  const int inv = 255 - alpha;
  const int r = (Red8(s) * alpha + Red8(d) * inv) >> 8;
  const int g = (Green8(s) * alpha + Green8(d) * inv) >> 8;
  const int b = Blue8(d) + (((Blue8(s) - Blue8(d)) * alpha) >> 8);
  return Pack565(r, g, b);
}

// Every pixel of the frame at (x, y) that is not a key pixel replaces the destination.
inline void DrawImage(const TImage& image, TSurface& surface, int x, int y, int frame) {
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr || surface.Empty()) return;
  for (int fy = 0; fy < fr->Height(); ++fy) {
    for (int fx = 0; fx < fr->Width(); ++fx) {
      const long long dx = static_cast<long long>(x) + fx, dy = static_cast<long long>(y) + fy;
      if (dx < 0 || dy < 0 || dx >= surface.Width || dy >= surface.Height) continue;
      const std::uint16_t p = image.Surface.At(fr->Left + fx, fr->Top + fy);
      if (!image.Transparent || p != image.Key)
        surface.At(static_cast<int>(dx), static_cast<int>(dy)) = p;
    }
  }
}

inline void DrawImageStretch(const TImage& image, TSurface& surface, const TRect& dest, int frame) {
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr || surface.Empty() || dest.Empty() || fr->Empty()) return;
  const TRect clip = IntersectRect(dest, TRect{0, 0, surface.Width, surface.Height});
  if (clip.Empty()) return;
  const long long dw = static_cast<long long>(dest.Right) - dest.Left;
  const long long dh = static_cast<long long>(dest.Bottom) - dest.Top;
  for (int dy = clip.Top; dy < clip.Bottom; ++dy) {
    const int sy =
        fr->Top + static_cast<int>((dy - static_cast<long long>(dest.Top)) * fr->Height() / dh);
    const std::uint16_t* src = image.Surface.Row(sy);
    std::uint16_t* dst = surface.Row(dy);
    for (int dx = clip.Left; dx < clip.Right; ++dx) {
      const int sx =
          fr->Left + static_cast<int>((dx - static_cast<long long>(dest.Left)) * fr->Width() / dw);
      const std::uint16_t p = src[sx];
      if (!image.Transparent || p != image.Key) dst[dx] = p;
    }
  }
}

// Far beyond any surface, small enough that every later product fits in 64 bits.
inline constexpr double kCoordLimit = 1.0e9;

inline int TruncCoord(double v) {
  return static_cast<int>(std::trunc(std::clamp(v, -kCoordLimit, kCoordLimit)));
}

inline std::int64_t ToFixed(double v) {
  return static_cast<std::int64_t>(std::floor(std::clamp(v, -4.0e12, 4.0e12) * 65536.0));
}

// The turned, scaled frame: which destination pixels it covers and where each one samples.
struct TRotation {
  int X0 = 0, Y0 = 0, X1 = -1, Y1 = -1;  // visited area, inclusive, inside the surface
  double X, Y, Cos, Sin, PivotU, PivotV, ScaleU, ScaleV;
};

inline bool MakeRotation(const TRect& fr, const TSurface& surface, int x, int y, int w, int h,
                         double cx, double cy, int angle, TRotation& r) {
  if (w <= 0 || h <= 0 || surface.Empty() || !std::isfinite(cx) || !std::isfinite(cy)) return false;
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
inline void ForEachRotatedPixel(const TImage& image, const TRect& fr, TSurface& surface,
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

inline void DrawImageRotate(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                            int frame, double cx, double cy, int angle) {
  const TRect* fr = draw::ValidFrame(image, frame);
  TRotation r;
  if (!fr || !MakeRotation(*fr, surface, x, y, w, h, cx, cy, angle, r)) return;
  ForEachRotatedPixel(image, *fr, surface, r, [](std::uint16_t& d, std::uint16_t s) { d = s; });
}

inline void DrawImageRotateAdd(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                               int frame, double cx, double cy, int angle, int alpha) {
  if (alpha <= 0) return;
  const TRect* fr = draw::ValidFrame(image, frame);
  TRotation r;
  if (!fr || !MakeRotation(*fr, surface, x, y, w, h, cx, cy, angle, r)) return;
  if (alpha >= 255) {
    ForEachRotatedPixel(image, *fr, surface, r,
                        [](std::uint16_t& d, std::uint16_t s) { d = AddSaturate(s, d); });
  } else {
    ForEachRotatedPixel(image, *fr, surface, r,
                        [alpha](std::uint16_t& d, std::uint16_t s) { d = AddScaled(s, d, alpha); });
  }
}

// The sideways shift of one row: the wave position's whole part picks the sine entry.
inline std::int64_t RowShift(std::int64_t wavePos, int amplitude) {
  const int index = static_cast<int>((wavePos >> 16) & 255);
  return static_cast<std::int64_t>(std::nearbyint(Sin256(index) * amplitude));
}

template <typename Put>
inline void DrawWaveRows(const TImage& image, const TRect& fr, TSurface& surface, int x, int y,
                         int w, int h, int amplitude, int length, int phase, Put put) {
  const std::int64_t stepX = (static_cast<std::int64_t>(fr.Width()) << 16) / w;
  const std::int64_t stepY = (static_cast<std::int64_t>(fr.Height()) << 16) / h;
  const std::int64_t waveStep = length == 0 ? 0 : (std::int64_t{256} << 16) / length;
  const std::int64_t firstRow = y < 0 ? -static_cast<std::int64_t>(y) : 0;
  const std::int64_t lastRow =
      std::min<std::int64_t>(h, static_cast<std::int64_t>(surface.Height) - y);
  std::int64_t wavePos = (static_cast<std::int64_t>(phase) << 16) + firstRow * waveStep;
  for (std::int64_t row = firstRow; row < lastRow; ++row, wavePos += waveStep) {
    const std::uint16_t* src =
        image.Surface.Row(fr.Top + static_cast<int>((row * stepY) >> 16)) + fr.Left;
    std::uint16_t* dst = surface.Row(static_cast<int>(y + row));
    const std::int64_t left = x + RowShift(wavePos, amplitude);
    const std::int64_t from = std::max<std::int64_t>(left, 0);
    const std::int64_t to = std::min<std::int64_t>(left + w, surface.Width);
    std::int64_t sx = (from - left) * stepX;
    for (std::int64_t dx = from; dx < to; ++dx, sx += stepX) {
      const std::uint16_t p = src[sx >> 16];
      if (image.Transparent && p == image.Key) continue;
      put(dst[dx], p);
    }
  }
}

inline void DrawImageWaveAlpha(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                               int frame, int amplitude, int length, int phase, int alpha) {
  if (alpha <= 0 || w <= 0 || h <= 0 || surface.Empty()) return;
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr) return;
  if (alpha >= 255) {
    DrawWaveRows(image, *fr, surface, x, y, w, h, amplitude, length, phase,
                 [](std::uint16_t& d, std::uint16_t s) { d = s; });
  } else {
    DrawWaveRows(image, *fr, surface, x, y, w, h, amplitude, length, phase,
                 [alpha](std::uint16_t& d, std::uint16_t s) { d = BlendAlpha(s, d, alpha); });
  }
}

// Mixes a colour into a pixel by a glyph's coverage (0 keeps the pixel, 255 replaces it).
inline std::uint16_t Cover(std::uint16_t d, TColor c, int coverage) {
  const auto mix = [coverage](int dst, int src) {
    return dst + ((src - dst) * coverage + 127) / 255;
  };
  return Pack565(mix(Red8(d), ColorRed(c)), mix(Green8(d), ColorGreen(c)),
                 mix(Blue8(d), ColorBlue(c)));
}

inline void BlitGlyph(TSurface& s, const TRect& clip, const TGlyph& g, int left, int top,
                      TColor c) {
  for (int gy = 0; gy < g.Rows; ++gy) {
    const int y = top + gy;
    if (y < clip.Top || y >= clip.Bottom) continue;
    const std::uint8_t* cov = g.Coverage.data() + static_cast<std::size_t>(gy) * g.Width;
    std::uint16_t* row = s.Row(y);
    for (int gx = 0; gx < g.Width; ++gx) {
      const int x = left + gx;
      if (cov[gx] == 0 || x < clip.Left || x >= clip.Right) continue;
      row[x] = cov[gx] == 255 ? MatchColor(c) : Cover(row[x], c, cov[gx]);
    }
  }
}

}  // namespace sk::reference
