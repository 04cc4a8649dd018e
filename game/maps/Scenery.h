#pragma once
#include "game/maps/SKMap.h"
#include "game/render/Geometry.h"
#include "game/render/ImageList.h"

namespace sk {

// What stands in front of the walkers: the loaded map's mask layer, where it is not open
// ground. A map without a mask has none, and beyond a layer smaller than the screen lies
// open ground. Shots, the drawing of the scenery and every simulated player ask this one test.
class TScenery {
 public:
  TScenery() = default;  // no scenery anywhere
  explicit TScenery(const TImage& layer) : layer_(&layer) {}

  bool At(TPoint point) const;

 private:
  const TImage* layer_ = nullptr;
};

// The scenery of the map just loaded into `map` and `images`.
TScenery MapScenery(const TMapState& map, const TImageList& images);

}  // namespace sk
