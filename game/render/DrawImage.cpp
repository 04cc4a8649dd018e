#include <cstring>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"

namespace sk {
namespace {

using TPixels8 = std::uint16_t __attribute__((vector_size(16)));

// Copies a row skipping key pixels, eight at a time with a branch-free select.
void CopyKeyedRow(std::uint16_t* __restrict dst, const std::uint16_t* __restrict src, int n,
                  std::uint16_t key) {
  const TPixels8 keys = TPixels8{} + key;
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    TPixels8 s, d;
    std::memcpy(&s, src + i, sizeof s);
    std::memcpy(&d, dst + i, sizeof d);
    const TPixels8 keep = reinterpret_cast<TPixels8>(s == keys);
    const TPixels8 out = (d & keep) | (s & ~keep);
    std::memcpy(dst + i, &out, sizeof out);
  }
  for (; i < n; ++i)
    if (src[i] != key) dst[i] = src[i];
}

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
  for (long long dy = y0; dy < y1; ++dy) {
    const std::uint16_t* src = image.Surface.Row(fr->Top + static_cast<int>(dy - y)) + sx;
    std::uint16_t* dst = surface.Row(static_cast<int>(dy)) + x0;
    if (image.Transparent) {
      CopyKeyedRow(dst, src, n, image.Key);
    } else {
      std::memcpy(dst, src, static_cast<std::size_t>(n) * sizeof(std::uint16_t));
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
  for (int dy = clip.Top; dy < clip.Bottom; ++dy) {
    const int sy = fr->Top + static_cast<int>((dy - static_cast<long long>(dest.Top)) *
                                              fr->Height() / dh);
    const std::uint16_t* src = image.Surface.Row(sy);
    std::uint16_t* dst = surface.Row(dy);
    for (int dx = clip.Left; dx < clip.Right; ++dx) {
      const int sx = fr->Left + static_cast<int>((dx - static_cast<long long>(dest.Left)) *
                                                 fr->Width() / dw);
      const std::uint16_t p = src[sx];
      if (!image.Transparent || p != image.Key) dst[dx] = p;
    }
  }
}

}  // namespace sk
