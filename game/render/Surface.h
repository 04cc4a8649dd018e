#pragma once
#include <cstdint>
#include <vector>

#include "game/render/Color.h"
#include "game/render/Geometry.h"

namespace sk {

// A 16-bit RGB565 pixel buffer: the back surface (640 x 480) and the drawing copies of the
// images' pictures. Red sits in bits 11-15, green in 5-10, blue in 0-4.
struct TSurface {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint16_t> Pixels;

  TSurface() = default;
  TSurface(int width, int height)
      : Width(width), Height(height),
        Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

  bool Empty() const { return Width <= 0 || Height <= 0; }
  std::uint16_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
  const std::uint16_t* Row(int y) const {
    return Pixels.data() + static_cast<std::size_t>(y) * Width;
  }
  // Callers check the bounds first.
  std::uint16_t& At(int x, int y) { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
  std::uint16_t At(int x, int y) const {
    return Pixels[static_cast<std::size_t>(y) * Width + x];
  }
};

// The 640 x 480 back surface, black.
inline TSurface MakeBackSurface() { return TSurface(kScreenWidth, kScreenHeight); }

// A colour as an RGB565 pixel, keeping the top bits of each channel (0xFF00FF -> 0xF81F).
// Pictures become surfaces through the same conversion, so transparent keys match.
constexpr std::uint16_t MatchColor(TColor c) {
  return static_cast<std::uint16_t>(((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c >> 3) & 0x1F));
}

// The 8-bit channels of an RGB565 pixel, low bits zero (no rounding either way).
constexpr int Red8(std::uint16_t p) { return (p & 0xF800) >> 8; }
constexpr int Green8(std::uint16_t p) { return (p & 0x07E0) >> 3; }
constexpr int Blue8(std::uint16_t p) { return (p & 0x001F) << 3; }
constexpr std::uint16_t Pack565(int r8, int g8, int b8) {
  return static_cast<std::uint16_t>(((r8 >> 3) << 11) | ((g8 >> 2) << 5) | (b8 >> 3));
}

void FillSurface(TSurface& surface, std::uint16_t pixel);
// Fills the rectangle clipped to the surface; nothing when the clipped part is empty.
void FillSurfaceRect(TSurface& surface, const TRect& rect, std::uint16_t pixel);

}  // namespace sk
