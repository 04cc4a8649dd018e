#include <algorithm>
#include <cmath>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"
#include "game/render/DrawRows.h"

namespace sk {
namespace {

// A row of the frame sampled at 16.16 steps across, from X on.
struct TSteppedRun {
  const std::uint16_t* Row;
  std::int64_t X, Step;

  SK_DRAW_INLINE std::uint16_t At(int i) const { return Row[(X + i * Step) >> 16]; }
  SK_DRAW_INLINE draw::TPixels8 Gather8(int i) const {
    std::int64_t x = X + i * Step;
    return draw::Gather8([&] {
      const std::uint16_t p = Row[x >> 16];
      x += Step;
      return p;
    });
  }
};

// The sideways shift of one row: the wave position's whole part picks the sine entry.
std::int64_t RowShift(std::int64_t wavePos, int amplitude) {
  const int index = static_cast<int>((wavePos >> 16) & 255);
  return static_cast<std::int64_t>(std::nearbyint(Sin256(index) * amplitude));
}

// Hands the visible part of every row to put(dst, n, source): straight from the picture
// when the frame is drawn at its own width, else sampled across in steps.
template <typename Put>
void DrawWaveRows(const TImage& image, const TRect& fr, TSurface& surface, int x, int y, int w,
                  int h, int amplitude, int length, int phase, Put put) {
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
    if (from >= to) continue;
    const std::int64_t sx = (from - left) * stepX;
    const int n = static_cast<int>(to - from);
    if (stepX == std::int64_t{1} << 16) {
      put(dst + from, n, draw::TPlainRun{src + (sx >> 16)});
    } else {
      put(dst + from, n, TSteppedRun{src, sx, stepX});
    }
  }
}

}  // namespace

void DrawImageWaveAlpha(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                        int frame, int amplitude, int length, int phase, int alpha) {
  if (alpha <= 0 || w <= 0 || h <= 0 || surface.Empty()) return;
  const TRect* fr = draw::ValidFrame(image, frame);
  if (!fr) return;
  const draw::TRowKey key{image.Transparent, image.Key};
  DrawWaveRows(image, *fr, surface, x, y, w, h, amplitude, length, phase,
               [key, alpha](std::uint16_t* dst, int n, const auto& source) {
                 if (alpha >= 255) {
                   draw::PutRow(dst, n, source, key, draw::Replace);
                 } else {
                   draw::PutRow(dst, n, source, key,
                                [alpha](draw::TPixels8 s, draw::TPixels8 d)
                                    SK_DRAW_INLINE_LAMBDA { return draw::Blend8(s, d, alpha); });
                 }
               });
}

}  // namespace sk
