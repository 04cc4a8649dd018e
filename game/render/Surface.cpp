#include "game/render/Surface.h"

#include <algorithm>

#include "game/render/DrawRows.h"

namespace sk {
namespace {

// Eight pixels per store: the intro fills the whole screen twice in every frame.
void FillRow(std::uint16_t* row, std::size_t n, std::uint16_t pixel) {
  const draw::TPixels8 pixels = draw::Splat(pixel);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) draw::Store8(row + i, pixels);
  for (; i < n; ++i) row[i] = pixel;
}

}  // namespace

void FillSurface(TSurface& surface, std::uint16_t pixel) {
  FillRow(surface.Pixels.data(), surface.Pixels.size(), pixel);
}

void FillSurfaceRect(TSurface& surface, const TRect& rect, std::uint16_t pixel) {
  const TRect r = IntersectRect(rect, TRect{0, 0, surface.Width, surface.Height});
  if (r.Empty()) return;
  for (int y = r.Top; y < r.Bottom; ++y)
    FillRow(surface.Row(y) + r.Left, static_cast<std::size_t>(r.Width()), pixel);
}

}  // namespace sk
