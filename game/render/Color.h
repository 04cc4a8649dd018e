#pragma once
#include <cstdint>

namespace sk {

// A 24-bit colour written 0xRRGGBB, the way every colour of the game is named.
using TColor = std::uint32_t;

constexpr TColor RgbColor(int r, int g, int b) {
  return (static_cast<TColor>(r & 0xFF) << 16) | (static_cast<TColor>(g & 0xFF) << 8) |
         static_cast<TColor>(b & 0xFF);
}
constexpr int ColorRed(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int ColorGreen(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorBlue(TColor c) { return static_cast<int>(c & 0xFF); }

}  // namespace sk
