#include "tools/skedit/model/PreviewScene.h"

#include <algorithm>

#include "common/Error.h"
#include "game/maps/MaskLayer.h"
#include "game/render/Draw.h"
#include "game/resources/MemoryStream.h"
#include "game/resources/SKData.h"

namespace sk::edit {
namespace {

constexpr TColor kMagenta = 0xFF00FF;
constexpr const char* kModelsImage = "Models.bmp";
constexpr int kModelTypes = 8;

}  // namespace

bool TPreviewScene::LoadPictures(std::span<const std::uint8_t> background,
                                 std::span<const std::uint8_t> mask, std::string& problem) {
  // The loader reads a whole map file: one of a single path carries the pictures in.
  TMapContent carrier{"preview", 0, 0, {{TWayPoint{0, 0, 1}}}};
  const auto bytes = AssembleMapFile(carrier, background, mask);
  if (!bytes) {
    problem = "The pictures are too large for a map.";
    return false;
  }
  const bool models = has_models_;
  TImageList kept;
  if (models) kept.Images.push_back(std::move(images_.Images.front()));
  images_ = std::move(kept);
  AddMapImages(images_);
  const MapLoadResult result = LoadMapFromBytes(map_, images_, *bytes, [](std::size_t) {});
  RestoreImages(images_);
  scenery_ = &FindImage(images_, kMapMaskImage);
  if (result != MapLoadResult::Loaded) {
    problem = DescribeMapLoadResult(result);
    return false;
  }
  return true;
}

bool TPreviewScene::LoadModels(const std::string& archive_file) {
  try {
    SKData data;
    if (!data.OpenArchive(archive_file, "")) return false;
    TMemoryStream stream;
    data.LoadMember(kModelsImage, stream);
    if (stream.View().empty()) return false;
    TImageList list;
    TImage& models = AddImage(list, kModelsImage, stream.View(), true, kMagenta, false);
    SetFrameWidth(models, kModelWidth);
    RestoreImage(models);
    for (auto& image : images_.Images) list.Images.push_back(std::move(image));
    images_ = std::move(list);
    has_models_ = true;
    return true;
  } catch (const Error&) {
    return false;
  }
}

void TPreviewScene::SetPaths(const TMapContent& content) {
  map_.Paths.clear();
  for (const auto& path : content.Paths) {
    if (path.empty()) {
      map_.Paths.emplace_back();
      continue;
    }
    std::vector<TWayPoint> waypoints = path;
    waypoints.push_back(TWayPoint{content.FinalX, content.FinalY, 1});
    map_.Paths.push_back(MakeMapPath(waypoints));
  }
}

std::uint32_t TPreviewScene::RoundSteps() const {
  std::uint32_t longest = 1;
  for (const TMapPath& path : map_.Paths) longest = std::max(longest, path.Length);
  return longest;
}

TRect TPreviewScene::ModelBox(std::size_t p, std::uint32_t step) const {
  const TMapPath& path = map_.Paths[p];
  if (path.Length == 0) return TRect{};
  const TPathPoint point = MapPathPoint(path, std::min(step, path.Length - 1));
  return ModelBoxAt({point.X, point.Y});
}

void TPreviewScene::Draw(TSurface& back, std::uint32_t step, bool models) const {
  FillSurface(back, 0);
  DrawImage(FindImage(images_, kMapBackgroundImage), back, 0, 0, 0);
  if (models && has_models_) {
    const TImage& pictures = FindImage(images_, kModelsImage);
    for (std::size_t p = 0; p < map_.Paths.size(); ++p) {
      if (map_.Paths[p].Length == 0) continue;
      const TRect box = ModelBox(p, step);
      DrawImage(pictures, back, box.Left, box.Top, int(p % kModelTypes));
    }
  }
  if (map_.MapHasMask) DrawImage(FindImage(images_, kMapMaskImage), back, 0, 0, 0);
}

bool TPreviewScene::SceneryAt(int x, int y) const {
  if (!map_.MapHasMask || !scenery_) return false;
  const auto pixel = ImagePixel(*scenery_, x, y);
  return pixel && !(*pixel == kMaskTransparent);
}

}  // namespace sk::edit
