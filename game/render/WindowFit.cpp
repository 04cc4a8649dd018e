#include "game/render/WindowFit.h"

#include <algorithm>
#include <cmath>

#include "game/render/Surface.h"

namespace sk {
namespace {

// What a window's frame and title bar take beyond its inner size, at most, on the desktops
// the game meets: a first window must not end up with its title bar off the screen.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

}  // namespace

TRect PictureArea(TWindowSize size) {
  if (size.Width <= 0 || size.Height <= 0) return TRect{0, 0, kScreenWidth, kScreenHeight};
  // Fill the height at 4:3; an area narrower than 4:3 fills its width instead.
  int w = static_cast<int>(std::lround(size.Height * 4.0 / 3.0));
  int h = size.Height;
  if (w > size.Width) {
    w = size.Width;
    h = static_cast<int>(std::lround(size.Width * 3.0 / 4.0));
  }
  const int left = (size.Width - w) / 2;
  const int top = (size.Height - h) / 2;
  return TRect{left, top, left + w, top + h};
}

std::optional<TPoint> AreaToPicture(const TRect& picture, int x, int y) {
  if (!picture.Contains(x, y)) return std::nullopt;
  const long long rx = static_cast<long long>(x) - picture.Left;
  const long long ry = static_cast<long long>(y) - picture.Top;
  return TPoint{static_cast<int>(rx * kScreenWidth / picture.Width()),
                static_cast<int>(ry * kScreenHeight / picture.Height())};
}

namespace {

// The middle of the area pixels [lo, hi] that AreaToPicture turns into picture pixel `p` of
// `count` across an extent of `size`: the first is at p * size / count rounded up.
int MiddleOfPixel(int p, int size, int count) {
  const long long lo = (static_cast<long long>(p) * size + count - 1) / count;
  const long long hi =
      std::max(lo, ((static_cast<long long>(p) + 1) * size + count - 1) / count - 1);
  return static_cast<int>((lo + hi) / 2);
}

}  // namespace

TPoint PictureToArea(const TRect& picture, TPoint point) {
  return TPoint{picture.Left + MiddleOfPixel(point.X, picture.Width(), kScreenWidth),
                picture.Top + MiddleOfPixel(point.Y, picture.Height(), kScreenHeight)};
}

TWindowSize ChooseWindowSize(TWindowSize kept, TWindowSize desktop) {
  const bool keptFits = kept.Width >= kMinWindowSize.Width &&
                        kept.Height >= kMinWindowSize.Height && kept.Width <= desktop.Width &&
                        kept.Height <= desktop.Height;
  if (keptFits) return kept;
  const int across = (desktop.Width - kFrameWidth) / kScreenWidth;
  const int down = (desktop.Height - kFrameHeight) / kScreenHeight;
  const int scale = std::max(1, std::min(across, down));
  return TWindowSize{kScreenWidth * scale, kScreenHeight * scale};
}

}  // namespace sk
