#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "game/render/Geometry.h"

namespace sk::balance {

// Where a shot can kill: every pixel of the screen that no scenery covers, asked once per
// pixel of `scenery_at` (for a map, the game's own shot test) and kept.
class TOpenGround {
 public:
  explicit TOpenGround(const std::function<bool(TPoint)>& scenery_at);

  bool Open(int x, int y) const {
    return x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight &&
           open_[static_cast<std::size_t>(y) * kScreenWidth + static_cast<std::size_t>(x)];
  }
  // The open pixel of a model's box (ModelRect) nearest to the box's centre (ties:
  // the upper one, then the left one); nothing when scenery or the screen's edge hides all
  // of it.
  std::optional<TPoint> NearestOpen(const TRect& modelBox) const;
  // Any open pixel of `box`, searched row by row; nothing when there is none.
  std::optional<TPoint> FirstOpen(const TRect& box) const;

 private:
  std::vector<bool> open_;
  std::vector<TPoint> byDistance_;  // offsets from a model box's centre, nearest first
};

}  // namespace sk::balance
