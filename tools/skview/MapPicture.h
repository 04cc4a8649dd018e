#pragma once
#include "common/MapFormat.h"
#include "game/maps/SKMap.h"
#include "game/render/Picture.h"

namespace sk {

// A preview of a loaded map: the background, the scenery layer tinted cyan and hatched, each path in its
// own colour with its waypoints numbered from 1, and the final waypoint ringed and marked F.
// The picture covers the play area and every waypoint (up to 1024 pixels beyond it); outside
// the play area it is dark grey.
TPicture RenderMapPicture(const TMapState& map, const TImageList& images,
                          const TMapContent& content);

}  // namespace sk
