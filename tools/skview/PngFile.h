#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "game/render/Picture.h"

namespace sk {

// The picture as an 8-bit RGB PNG file; nothing when libpng fails.
std::optional<std::vector<std::uint8_t>> EncodePng(const TPicture& picture);

}  // namespace sk
