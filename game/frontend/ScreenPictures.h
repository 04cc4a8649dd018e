#pragma once
#include "game/render/ImageList.h"
#include "game/resources/SKData.h"

namespace sk {

// Each replaces the whole image list with one screen's pictures, from the archive (a loose
// file in Data/ wins). The caller rebuilds the drawing copies afterwards (RestoreImages).
void LoadGameImages(const SKData& data, TImageList& images);
void LoadMenuImages(const SKData& data, TImageList& images);
void LoadIntroImages(const SKData& data, TImageList& images);

}  // namespace sk
