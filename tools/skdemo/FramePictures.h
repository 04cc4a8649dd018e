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

  // Writes the frame when its tick was asked for. A file that cannot be written (a link
  // another user planted there, a full disk) is left alone and the first such problem kept.
  void AfterFrame(std::uint32_t tick, const TSurface& frame);
  // The first file that could not be written and why; empty when all were.
  const std::string& Problem() const { return problem_; }

 private:
  std::set<std::uint32_t> ticks_;
  std::string folder_;
  std::string problem_;
};

// The 24-bit picture of a 16-bit frame: each RGB565 channel widened by repeating its top bits,
// so black stays 0 and full intensity becomes 255.
TPicture WidenFrame(const TSurface& frame);

}  // namespace sk
