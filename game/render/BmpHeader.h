#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "game/render/Picture.h"

namespace sk::bmp {

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitFields = 3,
  kAlphaBitFields = 6,
};

// One colour channel of a 16- or 32-bit pixel: where its bits lie and how many there are.
struct TChannelMask {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;
};

// Everything the pixel decoders need, checked against the data and the size caps.
struct TBmpHeader {
  int Width = 0;
  int Height = 0;  // always positive; TopDown tells the row order
  bool TopDown = false;
  int BitCount = 0;
  std::uint32_t Compression = kRgb;
  std::vector<TRgb> Palette;
  std::array<TChannelMask, 3> Masks{};  // red, green, blue
  std::size_t DataOffset = 0;
};

// Throws sk::Error("Bitmap image is not valid") for anything unsound.
TBmpHeader ReadBmpHeader(std::span<const std::uint8_t> bytes);

[[noreturn]] void Invalid();

// The longest side we agree to decode; the pixel count is capped by kMaxPicturePixels.
inline constexpr int kMaxSide = 16384;

// The bytes of one uncompressed row: its pixels' bits padded to a multiple of 32.
inline std::size_t RowStride(const TBmpHeader& h) {
  return ((static_cast<std::size_t>(h.Width) * h.BitCount + 31) / 32) * 4;
}

// RLE8 / RLE4 pixel data into an indexed picture.
void DecodeRle(const TBmpHeader& header, std::span<const std::uint8_t> data, TPicture& picture);

}  // namespace sk::bmp
