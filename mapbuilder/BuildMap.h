#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "mapbuilder/MapDescription.h"

// The builder's work after the description is read: the pictures opened, the map file
// assembled and written. SKMAP and the map editor both build through here, so a map the
// editor saves is the very file SKMAP makes from the same description.
namespace sk {

struct TBuiltMap {
  std::vector<std::uint8_t> Background;  // the JPEG file as it is
  std::vector<std::uint8_t> Mask;        // the BMP file, empty without a mask
  std::vector<std::uint8_t> File;        // the whole map file
};

// `name` as a full path against the current folder; unchanged when that cannot be done.
std::string ExpandFileName(const std::string& name);

// The standard-error line for a file that cannot be read: the full path and the reason.
std::string UnreadableDetail(const std::string& path);

// Reads the pictures `d` names and assembles the map file in memory. Throws BuildFailure with
// SKMAP's messages.
TBuiltMap AssembleDescribedMap(const TMapDescription& d);

// Replaces the map file `d` names with `map.File` at once, so a failed build never leaves a
// broken map behind; something there that is no map file is never replaced. Throws
// BuildFailure with SKMAP's messages.
void WriteDescribedMap(const TMapDescription& d, const TBuiltMap& map);

}  // namespace sk
