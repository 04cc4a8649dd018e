#pragma once
#include <cstdint>
#include <set>
#include <string>

#include "game/render/Picture.h"
#include "game/render/Surface.h"

namespace sk {

// Writes the frames of chosen ticks as PNG files "tick-NNNNNNN.png" into a folder.
class TFramePictures {
 public:
  TFramePictures(std::set<std::uint32_t> ticks, std::string folder)
      : ticks_(std::move(ticks)), folder_(std::move(folder)) {}

  // False when the tick was wanted and its file could not be written.
  bool AfterFrame(std::uint32_t tick, const TSurface& frame);

 private:
  std::set<std::uint32_t> ticks_;
  std::string folder_;
};

// The 24-bit picture of a 16-bit frame: each RGB565 channel widened by repeating its top bits,
// so black stays 0 and full intensity becomes 255.
TPicture WidenFrame(const TSurface& frame);

}  // namespace sk
