#pragma once
// Helpers shared by the drawing operations.
#include "game/render/ImageList.h"

namespace sk::draw {

// The frame's rectangle, or null when the image has no such frame or nothing to draw from.
inline const TRect* ValidFrame(const TImage& image, int frame) {
  if (frame < 0 || frame >= FrameCount(image) || image.Surface.Empty()) return nullptr;
  return &image.Frames[static_cast<std::size_t>(frame)];
}

}  // namespace sk::draw
