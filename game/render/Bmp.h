#pragma once
#include <cstdint>
#include <span>

#include "game/render/Picture.h"

namespace sk {

inline constexpr const char* kBitmapNotValid = "Bitmap image is not valid";

// Decodes a Windows BMP (1, 4 and 8 bits with a palette, 16, 24 and 32 bits; bottom-up or
// top-down; RLE4 and RLE8). Every header field is checked against the data and against size
// caps before anything is allocated. An empty span gives an empty 0 x 0 picture; anything
// else that is not a sound BMP throws sk::Error(kBitmapNotValid).
TPicture DecodeBmp(std::span<const std::uint8_t> bytes);

}  // namespace sk
