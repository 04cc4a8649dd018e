#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "game/render/Geometry.h"

namespace sk {
struct Application;
}

namespace sk::balance {

// Where a shot can kill on the loaded map: every pixel of the screen that no scenery covers,
// as the game's own shot test decides it, worked out once per map.
class TOpenGround {
 public:
  explicit TOpenGround(const Application& app);

  bool Open(int x, int y) const {
    return x >= 0 && y >= 0 && x < kWidth && y < kHeight &&
           open_[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
  }
  // The open pixel of a model's 50 x 80 box (ModelRect) nearest to the box's centre (ties:
  // the upper one, then the left one); nothing when scenery or the screen's edge hides all
  // of it.
  std::optional<TPoint> NearestOpen(const TRect& modelBox) const;
  // Any open pixel of `box`, searched row by row; nothing when there is none.
  std::optional<TPoint> FirstOpen(const TRect& box) const;

 private:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  std::vector<bool> open_;
  std::vector<TPoint> byDistance_;  // offsets from a model box's centre, nearest first
};

}  // namespace sk::balance
