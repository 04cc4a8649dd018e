#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/maps/PathTable.h"
#include "game/render/ImageList.h"

// Loading a map for play: its paths, the background picture and the scenery layer made from
// its mask.
namespace sk {

inline constexpr const char* kMapBackgroundImage = "Map_Background.jpg";
inline constexpr const char* kMapMaskImage = "Map_Mask.bmp";

// Adds the two images a map load fills, empty: the background, drawn whole, and the scenery
// layer, see-through where it is magenta.
void AddMapImages(TImageList& images);

// The loaded map. Every load replaces it.
struct TMapState {
  TMapPaths Paths;
  bool MapHasMask = false;  // the scenery layer in "Map_Mask.bmp" is drawn and shot against
};

// The number of points of path `p` of the loaded map; its last point is the final waypoint.
inline std::size_t PathLength(const TMapState& map, std::size_t p) { return map.Paths[p].Length; }

// Where a model at `position` (below PathLength) on path `p` stands. The game reads paths only
// through these two, so how the points are kept stays the map module's business.
inline TPathPoint PathPoint(const TMapState& map, std::size_t p, std::size_t position) {
  return MapPathPoint(map.Paths[p], position);
}

// The most of a map file that is ever read: its header and pictures must lie in its first
// 64 MB (a background running past that is one the game does not decode), so a huge file
// costs no more than that.
inline constexpr std::size_t kMaxMapFileBytes = std::size_t{64} << 20;

// How a load ended; everything but Loaded is a map the game refuses.
enum class MapLoadResult {
  Loaded,
  Unreadable,         // the file cannot be opened or read
  NotAMap,            // too short for the magic, or a different magic
  Truncated,          // ends inside a field before the pictures
  BadPathCount,       // no path, or more paths than there are model types
  PathsTooLarge,      // the paths do not fit in memory
  BadBackgroundSize,  // negative, or running past the end of the file
  BadBackground,      // not a JPEG we can decode within our limits, or past kMaxMapFileBytes
  BadMaskPlace,       // the mask would start at or past the end of the file
  BadMask,            // not a valid BMP, or one that does not fit in the file
};

// One line for a map author saying why the game refuses the map.
const char* DescribeMapLoadResult(MapLoadResult result);

// Called with the map's path count once its paths are known, and with 0 when the load
// fails: sizes WalkingModels to it and puts every model back to the start of its path.
using SizeWalkingModels = std::function<void(std::size_t path_count)>;

// Loads the map held by `bytes` into `map`, the images "Map_Background.jpg" and
// "Map_Mask.bmp" of `images` (which must exist) and, through `size_walking_models`, the
// walking models. A failure leaves no map: no paths, MapHasMask false and the walking models
// sized to 0; the images keep what was decoded before it (a bad mask comes after the
// background).
MapLoadResult LoadMapFromBytes(TMapState& map, TImageList& images,
                               std::span<const std::uint8_t> bytes,
                               const SizeWalkingModels& size_walking_models);

// The part of the map file at `file_name` that a load reads: the whole header, and the
// pictures up to kMaxMapFileBytes. Nothing when the file cannot be read.
std::optional<std::vector<std::uint8_t>> ReadMapFileBytes(const std::string& file_name);

// The same for the file at `file_name`, read with ReadMapFileBytes.
MapLoadResult LoadMapFile(TMapState& map, TImageList& images, const std::string& file_name,
                          const SizeWalkingModels& size_walking_models);

// True when the map at `file_name` is loaded and playable. `walking_models` are the game's
// TWalkingModel entries: one per path afterwards, each with Position 0, other fields kept.
template <class TWalkingModel>
bool LoadMap(TMapState& map, TImageList& images, const std::string& file_name,
             std::vector<TWalkingModel>& walking_models) {
  return LoadMapFile(map, images, file_name, [&](std::size_t path_count) {
           walking_models.resize(path_count);
           for (TWalkingModel& model : walking_models) model.Position = 0;
         }) == MapLoadResult::Loaded;
}

}  // namespace sk
