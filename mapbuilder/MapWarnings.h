#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/MapWarnings.h"
#include "mapbuilder/MapDescription.h"

namespace sk {

// What SKMAP warns about the map it has just written: the shared check of a map's pictures
// and waypoints, each picture named by the file the description gives for it.
std::vector<std::string> FindMapWarnings(const TMapDescription& d,
                                         std::span<const std::uint8_t> background,
                                         std::span<const std::uint8_t> mask);

}  // namespace sk
