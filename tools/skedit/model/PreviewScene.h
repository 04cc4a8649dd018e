#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "game/maps/SKMap.h"
#include "game/render/Geometry.h"
#include "game/render/ImageList.h"
#include "game/render/Surface.h"

// The map as a match shows it, drawn by the game's own code: the background, the models on
// the game's path tables in the game's model pictures, feet on their path point, and the
// scenery layer over them, so a model hides behind scenery exactly as in play.
namespace sk::edit {

class TPreviewScene {
 public:
  // The background and mask go through the game's map loader; false, with its reason in
  // `problem`, when the game would refuse them.
  bool LoadPictures(std::span<const std::uint8_t> background, std::span<const std::uint8_t> mask,
                    std::string& problem);
  // "Models.bmp" from the game's archive; without it the models are drawn as boxes.
  bool LoadModels(const std::string& archive_file);
  void SetPaths(const TMapContent& content);

  bool HasModels() const { return has_models_; }
  bool HasMask() const { return map_.MapHasMask; }
  // The steps the longest path takes, the length of a preview round.
  std::uint32_t RoundSteps() const;
  // Where the model of path `p` stands at `step` (it walks the path once, then waits at the
  // exit): its 50 x 80 box, feet centred on its path point.
  TRect ModelBox(std::size_t p, std::uint32_t step) const;
  std::size_t PathCount() const { return map_.Paths.size(); }

  // The frame at `step`, into the 640 x 480 `back`; no models when `models` is false.
  void Draw(TSurface& back, std::uint32_t step, bool models) const;
  // True where the scenery stands in front of the models.
  bool SceneryAt(int x, int y) const;

 private:
  TMapState map_;
  TImageList images_;
  const TImage* scenery_ = nullptr;  // the scenery layer in images_, looked up once
  bool has_models_ = false;
};

}  // namespace sk::edit
