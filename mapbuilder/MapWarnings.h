#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "mapbuilder/MapDescription.h"

namespace sk {

// The width and height a picture file declares in its header: a JPEG's frame (its SOF
// marker), a BMP's info header. Nothing when the bytes are not such a file or the header
// is cut short.
struct TPictureSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};
std::optional<TPictureSize> JpegFrameSize(std::span<const std::uint8_t> bytes);
std::optional<TPictureSize> BmpSize(std::span<const std::uint8_t> bytes);

// What the game will make of a map SKMAP is about to write, one line per problem, each
// naming the file or the waypoint: a background that is no JPEG or not 640 x 480, a mask
// that is no BMP or not 640 x 480, waypoints off the screen. SKMAP builds such a map anyway
// (its pictures are the author's business) but says so, since the game refuses or misdraws it.
std::vector<std::string> FindMapWarnings(const TMapDescription& d,
                                         std::span<const std::uint8_t> background,
                                         std::span<const std::uint8_t> mask);

}  // namespace sk
