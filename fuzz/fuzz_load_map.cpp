// Loads arbitrary bytes as a map the way the game does, headless: paths, background JPEG,
// mask BMP and scenery layer, then walks points of every path.
#include <cstddef>
#include <cstdint>
#include <span>

#include "game/maps/SKMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sk::TMapState map;
  sk::TImageList images;
  sk::AddImage(images, sk::kMapBackgroundImage, sk::TPicture{}, false, 0x000000, false);
  sk::AddImage(images, sk::kMapMaskImage, sk::TPicture{}, true, 0xFF00FF, false);
  std::size_t walking_models = 0;
  const sk::MapLoadResult result = sk::LoadMapFromBytes(map, images, std::span(data, size),
                                                        [&](std::size_t n) { walking_models = n; });
  (void)sk::DescribeMapLoadResult(result);
  for (std::size_t p = 0; p < map.Paths.size(); ++p) {
    // Up to 64 points spread over the path, its last one included.
    const std::size_t length = sk::PathLength(map, p);
    const std::size_t step = length / 64 + 1;
    for (std::size_t i = 0; i < length; i += step) (void)sk::PathPoint(map, p, i);
    if (length > 0) (void)sk::PathPoint(map, p, length - 1);
  }
  return 0;
}
