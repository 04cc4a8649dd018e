#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>

#include "common/IniFile.h"
#include "common/MapFormat.h"

namespace sk {

// Why SKMAP stops: the text it prints after "ERROR: ", and for a file it could not read,
// one more line for standard error naming the path tried and the system's reason.
class BuildFailure : public std::runtime_error {
 public:
  explicit BuildFailure(const std::string& message, std::string detail = "")
      : std::runtime_error(message), detail_(std::move(detail)) {}
  const std::string& Detail() const { return detail_; }

 private:
  std::string detail_;
};

inline constexpr const char* kMapSection = "Skarveth Map";

// A checked map description. The file paths are as written in it.
struct TMapDescription {
  TMapContent Content;  // name cut to 255 characters, final waypoint, paths
  std::string MapFileName;
  std::string BackgroundJPEG;
  std::string MaskBMP;  // empty: the map has no mask
  std::size_t WaypointCount = 0;
};

// Reads and checks everything a description holds, in the builder's order: the name, the
// three file names, the final waypoint, then the paths. Throws BuildFailure at the first fault.
TMapDescription ReadMapDescription(const IniFile& ini);

}  // namespace sk
