#pragma once
#include <cstddef>
#include <iosfwd>
#include <string>

#include "mapbuilder/MapDescription.h"

namespace sk {

// Where the files of one build are, as full paths: what went into the map and where it went.
struct TBuildFiles {
  std::string Description;
  std::string Background;
  std::string Mask;  // empty without a mask
  std::string Map;
};

// The full path of `path` as it stands (relative to the current folder), through any links,
// so an author sees where a shared description really reaches.
std::string FullPath(const std::string& path);

// SKMAP's summary of a written map: the lines scripts read, then each path's speed and the
// files with their full paths. Texts from the description are shown, never sent to the
// terminal as commands.
void PrintSummary(std::ostream& out, const TMapDescription& d, std::size_t file_size,
                  const TBuildFiles& files);

}  // namespace sk
