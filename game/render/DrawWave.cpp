#include <cmath>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"

namespace sk {
namespace {

// The sideways shift of one row: the wave position's whole part picks the sine entry.
std::int64_t RowShift(std::int64_t wavePos, int amplitude) {
  const int index = static_cast<int>((wavePos >> 16) & 255);
  return static_cast<std::int64_t>(std::nearbyint(Sin256(index) * amplitude));
}

template <typename Put>
void DrawWaveRows(const TImage& image, const TRect& fr, TSurface& surface, int x, int y, int w,
                  int h, int amplitude, int length, int phase, Put put) {
  const std::int64_t stepX = (static_cast<std::int64_t>(fr.Width()) << 16) / w;
  const std::int64_t stepY = (static_cast<std::int64_t>(fr.Height()) << 16) / h;
  const std::int64_t waveStep = length == 0 ? 0 : (std::int64_t{256} << 16) / length;
  const std::int64_t firstRow = y < 0 ? -static_cast<std::int64_t>(y) : 0;
  const std::int64_t lastRow = std::min<std::int64_t>(h, static_cast<std::int64_t>(surface.Height) - y);
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

}  // namespace

void DrawImageWaveAlpha(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                        int frame, int amplitude, int length, int phase, int alpha) {
  if (alpha <= 0 || w <= 0 || h <= 0 || surface.Empty()) return;
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr) return;
  if (alpha >= 255) {
    DrawWaveRows(image, *fr, surface, x, y, w, h, amplitude, length, phase,
                 [](std::uint16_t& d, std::uint16_t s) { d = s; });
  } else {
    DrawWaveRows(image, *fr, surface, x, y, w, h, amplitude, length, phase,
                 [alpha](std::uint16_t& d, std::uint16_t s) { d = draw::BlendAlpha(s, d, alpha); });
  }
}

}  // namespace sk
