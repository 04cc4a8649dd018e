#include <cstring>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"
#include "game/render/DrawRows.h"

namespace sk {
namespace {

long long Clamp(long long v, long long lo, long long hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

void DrawImage(const TImage& image, TSurface& surface, int x, int y, int frame) {
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr || surface.Empty()) return;
  const long long x0 = Clamp(x, 0, surface.Width);
  const long long x1 = Clamp(static_cast<long long>(x) + fr->Width(), 0, surface.Width);
  const long long y0 = Clamp(y, 0, surface.Height);
  const long long y1 = Clamp(static_cast<long long>(y) + fr->Height(), 0, surface.Height);
  if (x0 >= x1 || y0 >= y1) return;
  const int n = static_cast<int>(x1 - x0);
  const int sx = fr->Left + static_cast<int>(x0 - x);
  const draw::TRowKey key{image.Transparent, image.Key};
  for (long long dy = y0; dy < y1; ++dy) {
    const std::uint16_t* src = image.Surface.Row(fr->Top + static_cast<int>(dy - y)) + sx;
    std::uint16_t* dst = surface.Row(static_cast<int>(dy)) + x0;
    if (key.Keyed) {
      draw::PutRow(dst, n, draw::TPlainRun{src}, key, draw::Replace);
    } else {
      std::memcpy(dst, src, static_cast<std::size_t>(n) * sizeof *dst);
    }
  }
}

void DrawImageStretch(const TImage& image, TSurface& surface, const TRect& dest, int frame) {
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr || surface.Empty() || dest.Empty() || fr->Empty()) return;
  const TRect clip = IntersectRect(dest, TRect{0, 0, surface.Width, surface.Height});
  if (clip.Empty()) return;
  const long long dw = static_cast<long long>(dest.Right) - dest.Left;
  const long long dh = static_cast<long long>(dest.Bottom) - dest.Top;
  // Column dx samples (dx - dest.Left) * fw / dw, stepped exactly as quotient and remainder.
  const long long fw = fr->Width();
  const long long firstColumn = (clip.Left - static_cast<long long>(dest.Left)) * fw;
  const long long whole = fw / dw, part = fw % dw;
  for (int dy = clip.Top; dy < clip.Bottom; ++dy) {
    const int sy =
        fr->Top + static_cast<int>((dy - static_cast<long long>(dest.Top)) * fr->Height() / dh);
    const std::uint16_t* src = image.Surface.Row(sy) + fr->Left;
    std::uint16_t* dst = surface.Row(dy);
    long long sx = firstColumn / dw;
    long long rest = firstColumn % dw;
    for (int dx = clip.Left; dx < clip.Right; ++dx) {
      const std::uint16_t p = src[sx];
      if (!image.Transparent || p != image.Key) dst[dx] = p;
      sx += whole;
      rest += part;
      if (rest >= dw) {
        rest -= dw;
        ++sx;
      }
    }
  }
}

}  // namespace sk
