#include "game/maps/MaskLayer.h"

#include <algorithm>
#include <array>

namespace sk {
namespace {

// The standard 16-colour palette.
constexpr std::array<TRgb, 16> kPalette16 = {{
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
}};

int Distance(TRgb a, TRgb b) {
  const int r = a.R - b.R, g = a.G - b.G, bl = a.B - b.B;
  return r * r + g * g + bl * bl;
}

TRgb NearestPaletteColor(TRgb c) {
  TRgb best = kPalette16[0];
  for (const TRgb& p : kPalette16) {
    if (Distance(c, p) < Distance(c, best)) best = p;
  }
  return best;
}

bool IsBlack(TRgb c) { return c.R == 0 && c.G == 0 && c.B == 0; }

}  // namespace

TRgb MaskColor(TRgb mask_pixel) {
  // Masks are nearly always pure black and white; skip the palette search for those.
  if (IsBlack(mask_pixel)) return TRgb{};
  if (mask_pixel == TRgb{0xFF, 0xFF, 0xFF}) return kMaskTransparent;
  const TRgb q = NearestPaletteColor(mask_pixel);
  return TRgb{q.R, 0, q.B};
}

TPicture ComposeMaskLayer(const TPicture& background, const TPicture& mask) {
  TPicture layer(kMapWidth, kMapHeight, kMaskTransparent);
  const int mask_w = std::min(mask.Width, kMapWidth);
  const int mask_h = std::min(mask.Height, kMapHeight);
  for (int y = 0; y < mask_h; ++y) {
    TRgb last_in{};
    TRgb last_out = MaskColor(last_in);
    for (int x = 0; x < mask_w; ++x) {
      const TRgb in = mask.At(x, y);
      if (!(in == last_in)) {
        last_in = in;
        last_out = MaskColor(in);
      }
      if (!IsBlack(last_out)) {
        layer.At(x, y) = last_out;
      } else {
        layer.At(x, y) = background.Contains(x, y) ? background.At(x, y) : TRgb{};
      }
    }
  }
  return layer;
}

}  // namespace sk
