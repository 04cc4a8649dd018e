#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/MapFormat.h"

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

// A picture of a map and the name a warning about it starts with (a file name, or empty).
struct TMapPicture {
  std::string Name;
  std::span<const std::uint8_t> Bytes;
};

// What the game will make of a map, one line per problem: a background that is no JPEG or not
// 640 x 480, a mask that is no BMP or not 640 x 480 (or an empty mask file, which makes a map
// without a mask), waypoints off the screen. Each line names the picture ("name: ...") or the
// waypoint. The game refuses or misdraws such maps; SKMAP builds them anyway and says so, and
// SKVIEW says the same of a map file.
std::vector<std::string> FindMapWarnings(const TMapContent& content, const TMapPicture& background,
                                         const std::optional<TMapPicture>& mask);

}  // namespace sk
