#include "game/maps/Scenery.h"

#include "game/maps/MaskLayer.h"

namespace sk {

bool TScenery::At(TPoint point) const {
  if (layer_ == nullptr) return false;
  const auto pixel = ImagePixel(*layer_, point.X, point.Y);
  return pixel.has_value() && *pixel != kMaskTransparent;
}

TScenery MapScenery(const TMapState& map, const TImageList& images) {
  if (!map.MapHasMask) return TScenery{};
  return TScenery{FindImage(images, kMapMaskImage)};
}

}  // namespace sk
