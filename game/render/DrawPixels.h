#pragma once
// Helpers shared by the drawing operations: frame lookup and per-channel blending of RGB565.
#include <algorithm>
#include <cstdint>

#include "game/render/ImageList.h"
#include "game/render/Surface.h"

namespace sk::draw {

// The frame's rectangle, or null when the image has no such frame or nothing to draw from.
inline const TRect* ValidFrame(const TImage& image, int frame) {
  if (frame < 0 || frame >= FrameCount(image) || image.Surface.Empty()) return nullptr;
  return &image.Frames[static_cast<std::size_t>(frame)];
}

// min(255, s + d) per channel.
inline std::uint16_t AddSaturate(std::uint16_t s, std::uint16_t d) {
  return Pack565(std::min(255, Red8(s) + Red8(d)), std::min(255, Green8(s) + Green8(d)),
                 std::min(255, Blue8(s) + Blue8(d)));
}

// min(255, ((s * alpha) >> 8) + d) per channel, alpha in 1..254.
inline std::uint16_t AddScaled(std::uint16_t s, std::uint16_t d, int alpha) {
  return Pack565(std::min(255, ((Red8(s) * alpha) >> 8) + Red8(d)),
                 std::min(255, ((Green8(s) * alpha) >> 8) + Green8(d)),
                 std::min(255, ((Blue8(s) * alpha) >> 8) + Blue8(d)));
}

// Red and green weigh source and destination; blue moves the destination towards the source
// by floor((s - d) * alpha / 256). The two forms differ by design and are kept apart.
inline std::uint16_t BlendAlpha(std::uint16_t s, std::uint16_t d, int alpha) {
  const int inv = 255 - alpha;
  const int r = (Red8(s) * alpha + Red8(d) * inv) >> 8;
  const int g = (Green8(s) * alpha + Green8(d) * inv) >> 8;
  const int b = Blue8(d) + (((Blue8(s) - Blue8(d)) * alpha) >> 8);
  return Pack565(r, g, b);
}

}  // namespace sk::draw
