#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "game/render/Picture.h"

namespace sk {

// Limits that keep a hostile background from costing unbounded time or memory: besides
// these, a picture has at most kMaxPicturePixels pixels, checked from the header before any
// decoding. The work memory bounds libjpeg's own buffers (a progressive file keeps every
// coefficient of the picture), so a decode never needs 64 MB.
inline constexpr int kMaxJpegSide = 8192;
inline constexpr int kMaxJpegScans = 100;
inline constexpr long kMaxJpegWorkMemory = 48L * 1024 * 1024;

// Decodes a JPEG file (baseline or progressive; grey, colour or CMYK) into a 24-bit picture.
// A picture that decodes with warnings only (stray bytes before a marker, a missing end) is
// accepted. Nothing for data that is not a JPEG, a decoding error, a side of 0 or above
// kMaxJpegSide, more than kMaxPicturePixels pixels, more than kMaxJpegScans scans, or work
// memory above kMaxJpegWorkMemory.
// Never ends the program and never prints.
std::optional<TPicture> DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace sk
