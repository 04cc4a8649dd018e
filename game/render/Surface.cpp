#include "game/render/Surface.h"

#include <algorithm>

namespace sk {

void FillSurface(TSurface& surface, std::uint16_t pixel) {
  std::fill(surface.Pixels.begin(), surface.Pixels.end(), pixel);
}

void FillSurfaceRect(TSurface& surface, const TRect& rect, std::uint16_t pixel) {
  const TRect r = IntersectRect(rect, TRect{0, 0, surface.Width, surface.Height});
  if (r.Empty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint16_t* row = surface.Row(y);
    std::fill(row + r.Left, row + r.Right, pixel);
  }
}

}  // namespace sk
