#include "game/render/GlyphBlit.h"

#include <algorithm>

#include "game/render/DrawRows.h"

namespace sk {
namespace {

using draw::TPixels8;
using draw::TSigned8;
using TBytes8 = std::uint8_t __attribute__((vector_size(8)));

// A row of coverage bytes, widened to one lane per pixel.
struct TCoverageRun {
  const std::uint8_t* Coverage;
  SK_DRAW_INLINE std::uint16_t At(int i) const { return Coverage[i]; }
  SK_DRAW_INLINE TPixels8 Gather8(int i) const {
    TBytes8 bytes;
    std::memcpy(&bytes, Coverage + i, sizeof bytes);
    return __builtin_convertvector(bytes, TPixels8);
  }
};

// floor(n / 255) for n up to 65407, without a division.
SK_DRAW_INLINE TPixels8 Div255(TPixels8 n) { return (n + 1 + (n >> 8)) >> 8; }

// One 8-bit channel moved towards the colour's by the coverage: d + trunc(((s - d) * c + 127)
// / 255). With the distance |s - d| times c (at most 255 * 255) that is d plus
// floor((|s - d| c + 127) / 255) when s >= d, and d minus floor(max(|s - d| c - 127, 0) / 255)
// when s < d, all of it in 16 bits.
SK_DRAW_INLINE TPixels8 Mix(TPixels8 d, TPixels8 s, TPixels8 coverage) {
  const TPixels8 towards =
      reinterpret_cast<TPixels8>(reinterpret_cast<TSigned8>(s) >= reinterpret_cast<TSigned8>(d));
  const TPixels8 distance = (towards & (s - d)) | (~towards & (d - s));
  const TPixels8 moved = distance * coverage;
  const TPixels8 half = draw::Splat(127);
  const TPixels8 up = Div255(moved + half);
  const TPixels8 down = Div255((moved - half) & reinterpret_cast<TPixels8>(moved > half));
  return (towards & (d + up)) | (~towards & (d - down));
}

}  // namespace

void BlitGlyph(TSurface& s, const TRect& clip, const TGlyph& g, int left, int top, TColor c) {
  const long long x0 = std::max<long long>(clip.Left, left);
  const long long x1 = std::min<long long>(clip.Right, static_cast<long long>(left) + g.Width);
  const long long y0 = std::max<long long>(clip.Top, top);
  const long long y1 = std::min<long long>(clip.Bottom, static_cast<long long>(top) + g.Rows);
  if (x0 >= x1 || y0 >= y1) return;
  const TPixels8 solid = draw::Splat(MatchColor(c));
  const TPixels8 red = draw::Splat(ColorRed(c));
  const TPixels8 green = draw::Splat(ColorGreen(c));
  const TPixels8 blue = draw::Splat(ColorBlue(c));
  const auto put = [=](TPixels8 coverage, TPixels8 d) SK_DRAW_INLINE_LAMBDA {
    const TPixels8 r = Mix((d & 0xF800) >> 8, red, coverage);
    const TPixels8 gr = Mix((d & 0x07E0) >> 3, green, coverage);
    const TPixels8 b = Mix((d & 0x001F) << 3, blue, coverage);
    const TPixels8 mixed = ((r >> 3) << 11) | ((gr >> 2) << 5) | (b >> 3);
    const TPixels8 full = reinterpret_cast<TPixels8>(coverage == 255);
    return (full & solid) | (~full & mixed);
  };
  // Most rows of a glyph are narrower than eight pixels: those go one pixel at a time, and
  // most of their pixels are empty or full.
  const auto put1 = [c, &solid](std::uint16_t coverage, std::uint16_t d) {
    if (coverage == 0) return d;
    if (coverage == 255) return solid[0];
    const auto mix = [coverage](int dst, int src) {
      return dst + ((src - dst) * coverage + 127) / 255;
    };
    return Pack565(mix(Red8(d), ColorRed(c)), mix(Green8(d), ColorGreen(c)),
                   mix(Blue8(d), ColorBlue(c)));
  };
  for (long long y = y0; y < y1; ++y) {
    const std::uint8_t* coverage =
        g.Coverage.data() + static_cast<std::size_t>(y - top) * static_cast<std::size_t>(g.Width);
    draw::PutRun(s.Row(static_cast<int>(y)) + x0, static_cast<int>(x1 - x0),
                 TCoverageRun{coverage + (x0 - left)}, put, put1);
  }
}

}  // namespace sk
