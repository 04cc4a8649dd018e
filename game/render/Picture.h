#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/render/Color.h"

namespace sk {

// One pixel of a picture at full 8-bit depth per channel.
struct TRgb {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

inline TColor RgbToColor(TRgb p) { return RgbColor(p.R, p.G, p.B); }
inline TRgb ColorToRgb(TColor c) {
  return TRgb{static_cast<std::uint8_t>(ColorRed(c)), static_cast<std::uint8_t>(ColorGreen(c)),
              static_cast<std::uint8_t>(ColorBlue(c))};
}

// The most pixels a picture read from a file may have (2048 x 2048): the game's own pictures
// are at most 640 x 480, and the cap keeps a hostile file's picture near 12 MB.
inline constexpr std::size_t kMaxPicturePixels = std::size_t{2048} * 2048;

// A 24-bit picture as decoded from a BMP or JPEG: rows top to bottom, Width * Height pixels.
// Pictures keep their full colour; only the surface copies made for drawing are 16-bit.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<TRgb> Pixels;

  TPicture() = default;
  TPicture(int width, int height, TRgb fill = {})
      : Width(width), Height(height),
        Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
  // Callers check Contains first.
  TRgb& At(int x, int y) { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
  const TRgb& At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

}  // namespace sk
