#include "tools/skbalance/OpenGround.h"

#include <algorithm>

namespace sk::balance {
namespace {

std::vector<TPoint> OffsetsByDistance() {
  std::vector<TPoint> offsets;
  for (int dy = -kModelHeight / 2; dy < kModelHeight / 2; ++dy)
    for (int dx = -kModelWidth / 2; dx < kModelWidth / 2; ++dx) offsets.push_back({dx, dy});
  std::stable_sort(offsets.begin(), offsets.end(), [](const TPoint& a, const TPoint& b) {
    return a.X * a.X + a.Y * a.Y < b.X * b.X + b.Y * b.Y;
  });
  return offsets;
}

}  // namespace

TOpenGround::TOpenGround(const std::function<bool(TPoint)>& scenery_at)
    : open_(static_cast<std::size_t>(kScreenWidth) * kScreenHeight),
      byDistance_(OffsetsByDistance()) {
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x)
      open_[static_cast<std::size_t>(y) * kScreenWidth + static_cast<std::size_t>(x)] =
          !scenery_at(TPoint{x, y});
}

std::optional<TPoint> TOpenGround::NearestOpen(const TRect& modelBox) const {
  const int cx = modelBox.Left + kModelWidth / 2, cy = modelBox.Top + kModelHeight / 2;
  for (const TPoint& d : byDistance_) {
    if (Open(cx + d.X, cy + d.Y)) return TPoint{cx + d.X, cy + d.Y};
  }
  return std::nullopt;
}

std::optional<TPoint> TOpenGround::FirstOpen(const TRect& box) const {
  for (int y = std::max(box.Top, 0); y < std::min(box.Bottom, kScreenHeight); ++y) {
    for (int x = std::max(box.Left, 0); x < std::min(box.Right, kScreenWidth); ++x) {
      if (Open(x, y)) return TPoint{x, y};
    }
  }
  return std::nullopt;
}

}  // namespace sk::balance
