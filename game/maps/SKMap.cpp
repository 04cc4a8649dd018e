#include "game/maps/SKMap.h"

#include <algorithm>
#include <new>
#include <optional>

#include "common/Error.h"
#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "game/maps/FileHead.h"
#include "game/maps/JpegDecoder.h"
#include "game/maps/MaskLayer.h"
#include "game/render/Bmp.h"

namespace sk {
namespace {

// The longest header a map file can have: magic, name, final waypoint, 255 paths of 255
// waypoints and the two picture sizes. A head this long decides every header question.
constexpr std::size_t kMapHeaderReadSize =
    kMapMagicSize + 1 + kMaxMapNameLength + 4 + 1 + 255 * (1 + kMaxPathWaypoints * 6) + 8;

std::optional<TPicture> DecodeMask(std::span<const std::uint8_t> data) {
  try {
    return DecodeBmp(data);
  } catch (const Error&) {
    return std::nullopt;
  }
}

MapLoadResult LoadPictures(TMapState& map, TImageList& images, std::span<const std::uint8_t> bytes,
                           const TMapFileInfo& info) {
  if (info.BackgroundSize < 0) return MapLoadResult::BadBackgroundSize;
  const std::uint64_t background_end = info.BackgroundOffset + std::uint64_t(info.BackgroundSize);
  // A background beyond what a load reads is too large, not missing.
  if (background_end > kMaxMapFileBytes && bytes.size() >= kMaxMapFileBytes) {
    return MapLoadResult::BadBackground;
  }
  const auto background_data = MapBackgroundData(bytes, info);
  if (!background_data) return MapLoadResult::BadBackgroundSize;
  std::optional<TPicture> decoded = DecodeJpeg(*background_data);
  if (!decoded) return MapLoadResult::BadBackground;
  TImage& background_image = FindImage(images, kMapBackgroundImage);
  SetImagePicture(background_image, std::move(*decoded));
  const TPicture& background = background_image.Picture;

  map.MapHasMask = info.MaskSize != 0;
  if (!map.MapHasMask) return MapLoadResult::Loaded;  // the mask image stays empty
  const auto mask_data = MapMaskData(bytes, info);
  // An empty rest of the file would read as an empty picture: there is no BMP there.
  if (!mask_data || mask_data->empty()) return MapLoadResult::BadMaskPlace;
  std::optional<TPicture> mask = DecodeMask(*mask_data);
  if (!mask || mask->Empty()) return MapLoadResult::BadMask;
  SetImagePicture(FindImage(images, kMapMaskImage), ComposeMaskLayer(background, std::move(*mask)));
  return MapLoadResult::Loaded;
}

MapLoadResult LoadParsedMap(TMapState& map, TImageList& images, std::span<const std::uint8_t> bytes,
                            const TMapFileInfo& info,
                            const SizeWalkingModels& size_walking_models) {
  const std::size_t path_count = info.Content.Paths.size();
  // The countdown needs a first path, and every path needs a model type of its own.
  if (path_count == 0 || path_count > kMaxMapPaths) return MapLoadResult::BadPathCount;
  try {
    map.Paths = MakeMapPaths(info.Content);
  } catch (const std::bad_alloc&) {
    map.Paths = {};
    return MapLoadResult::PathsTooLarge;
  }
  size_walking_models(path_count);
  try {
    return LoadPictures(map, images, bytes, info);
  } catch (const std::bad_alloc&) {
    return MapLoadResult::BadBackground;
  }
}

// After a failed load no map is loaded: no paths, no scenery and no walking models, so that
// nothing can read a path table through a model sized for another map.
void ForgetMap(TMapState& map, const SizeWalkingModels& size_walking_models) {
  map = TMapState{};
  size_walking_models(0);
}

}  // namespace

void AddMapImages(TImageList& images) {
  AddImage(images, kMapBackgroundImage, TPicture{}, false, 0x000000, false);
  AddImage(images, kMapMaskImage, TPicture{}, true, 0xFF00FF, false);
}

const char* DescribeMapLoadResult(MapLoadResult result) {
  switch (result) {
    case MapLoadResult::Loaded:
      return "the map loads";
    case MapLoadResult::Unreadable:
      return "the file cannot be read";
    case MapLoadResult::NotAMap:
      return "the file is not a map file (wrong magic)";
    case MapLoadResult::Truncated:
      return "the file ends before the pictures";
    case MapLoadResult::BadPathCount:
      return "the map must have 1 to 8 paths";
    case MapLoadResult::PathsTooLarge:
      return "the paths do not fit in memory";
    case MapLoadResult::BadBackgroundSize:
      return "the background size is negative or runs past the end of the file";
    case MapLoadResult::BadBackground:
      return "the background is not a JPEG picture the game can decode";
    case MapLoadResult::BadMaskPlace:
      return "the mask starts at or past the end of the file";
    case MapLoadResult::BadMask:
      return "the mask is not a valid BMP picture, or it does not fit in the file";
  }
  return "unknown";
}

MapLoadResult LoadMapFromBytes(TMapState& map, TImageList& images,
                               std::span<const std::uint8_t> bytes,
                               const SizeWalkingModels& size_walking_models) {
  map.Paths = {};
  MapLoadResult result = MapLoadResult::NotAMap;
  if (IsMapFile(bytes)) {
    const std::optional<TMapFileInfo> info = ReadMapFile(bytes);
    result = info ? LoadParsedMap(map, images, bytes, *info, size_walking_models)
                  : MapLoadResult::Truncated;
  }
  if (result != MapLoadResult::Loaded) ForgetMap(map, size_walking_models);
  return result;
}

std::optional<std::vector<std::uint8_t>> ReadMapFileBytes(const std::string& file_name) {
  TFileHead head = ReadFileHead(file_name, kMapHeaderReadSize);
  if (head.Status != FileHeadStatus::Read) return std::nullopt;
  const std::optional<TMapFileInfo> info = ReadMapFile(head.Bytes);
  // Without a readable header the head alone tells why the map is refused.
  if (!info || head.Bytes.size() < kMapHeaderReadSize) return std::move(head.Bytes);
  std::size_t wanted = kMaxMapFileBytes;
  if (info->MaskSize == 0 && info->BackgroundSize >= 0) {
    wanted =
        std::min<std::size_t>(wanted, info->BackgroundOffset + std::size_t(info->BackgroundSize));
  }
  if (wanted <= head.Bytes.size()) return std::move(head.Bytes);
  head = ReadFileHead(file_name, wanted);
  if (head.Status != FileHeadStatus::Read) return std::nullopt;
  return std::move(head.Bytes);
}

MapLoadResult LoadMapFile(TMapState& map, TImageList& images, const std::string& file_name,
                          const SizeWalkingModels& size_walking_models) {
  map.Paths = {};
  const auto bytes = ReadMapFileBytes(file_name);
  if (!bytes) {
    ForgetMap(map, size_walking_models);
    return MapLoadResult::Unreadable;
  }
  return LoadMapFromBytes(map, images, *bytes, size_walking_models);
}

}  // namespace sk
