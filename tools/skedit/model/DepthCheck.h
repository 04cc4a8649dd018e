#pragma once
#include <string>
#include <vector>

#include "tools/skedit/model/PreviewScene.h"

namespace sk::edit {

// The depth check the shipped maps pass, judged from the mask alone: a piece of scenery
// stands on the lowest row it covers, so it may hide a model only while the model's feet are
// behind that row. A model whose 50 x 80 box meets scenery while standing in front of it
// would vanish behind something it walks past: one line per path and piece, naming the foot
// points from first to last.
std::vector<std::string> FindDepthWarnings(const TPreviewScene& scene);

}  // namespace sk::edit
