#include "game/maps/MaskLayer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

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

namespace {

// The end of the run of pixels equal to row[x]. A run of 3-byte pixels is a stretch of
// bytes each equal to the byte three before it, which can be checked eight bytes at a time.
int RunEnd(const TRgb* row, int x, int width) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(row);
  std::size_t at = 3 * static_cast<std::size_t>(x) + 3;
  const std::size_t end = 3 * static_cast<std::size_t>(width);
  while (at + 8 <= end) {
    std::uint64_t here, before;
    std::memcpy(&here, bytes + at, 8);
    std::memcpy(&before, bytes + at - 3, 8);
    if (here != before) break;
    at += 8;
  }
  while (at < end && bytes[at] == bytes[at - 3]) ++at;
  return static_cast<int>(at / 3);
}

// Fills row[x, end) with `colour` by doubling the filled part.
void FillRun(TRgb* row, int x, int end, TRgb colour) {
  row[x] = colour;
  for (int done = 1; x + done < end;) {
    const int n = std::min(done, end - x - done);
    std::memcpy(row + x + done, row + x, sizeof(TRgb) * n);
    done += n;
  }
}

// One row of the layer from one row of the mask, run by run: masks are large areas of one
// colour, so most of the work is copying background spans and filling transparent ones.
// `row` holds the mask pixels on entry and the layer pixels on return; `under` holds the
// first `reach` background pixels of the row.
void ComposeRow(TRgb* row, int width, const TRgb* under, int reach) {
  int x = 0;
  while (x < width) {
    const int end = RunEnd(row, x, width);
    const TRgb out = MaskColor(row[x]);
    if (IsBlack(out)) {
      const int copied = std::clamp(reach, x, end);
      if (copied > x) std::memcpy(row + x, under + x, sizeof(TRgb) * (copied - x));
      if (copied < end) FillRun(row, copied, end, TRgb{});
    } else {
      FillRun(row, x, end, out);
    }
    x = end;
  }
}

}  // namespace

TPicture ComposeMaskLayer(const TPicture& background, TPicture mask) {
  TPicture layer;
  if (mask.Width == kMapWidth && mask.Height == kMapHeight) {
    layer = std::move(mask);  // the usual case: compose in place
  } else {
    layer = TPicture(kMapWidth, kMapHeight, kMaskTransparent);
    const int w = std::min(mask.Width, kMapWidth);
    for (int y = 0; y < std::min(mask.Height, kMapHeight); ++y) {
      std::copy_n(&mask.At(0, y), w, &layer.At(0, y));
    }
    mask.Width = w;  // only the copied part is composed below
    mask.Height = std::clamp(mask.Height, 0, kMapHeight);
  }
  const int width = std::max(mask.Width, 0);
  for (int y = 0; y < mask.Height && width > 0; ++y) {
    // Rows and columns the background does not reach are black under black mask pixels.
    const int reach = y < background.Height ? std::clamp(background.Width, 0, width) : 0;
    ComposeRow(&layer.At(0, y), width, reach > 0 ? &background.At(0, y) : nullptr, reach);
  }
  return layer;
}

}  // namespace sk
