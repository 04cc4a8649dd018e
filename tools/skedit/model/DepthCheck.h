#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/skedit/model/PreviewScene.h"

namespace sk::edit {

// The depth check the shipped maps pass, judged from the mask alone: a piece of scenery
// stands on the lowest row it covers, so it may hide a model only while the model's feet are
// behind that row. A model whose 50 x 80 box meets scenery while standing in front of it
// would vanish behind something it walks past: one line per path and piece, naming the foot
// points from first to last.
class TDepthCheck {
 public:
  // The pieces of scenery and the row each stands on, once per picture.
  void Prepare(const TPreviewScene& scene);
  std::vector<std::string> Find(const TPreviewScene& scene) const;

 private:
  std::vector<std::int32_t> label_;  // per screen pixel, the piece it belongs to; -1 for none
  std::vector<int> floor_;           // per piece, its lowest row
};

}  // namespace sk::edit
