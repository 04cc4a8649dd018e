#pragma once
#include <string>
#include <vector>

namespace sk {

struct TMapListEntry {
  std::string Name;      // the display name stored in the file
  std::string FileName;  // the file's name in Maps/, without any folder
  friend bool operator==(const TMapListEntry&, const TMapListEntry&) = default;
};

using TMapList = std::vector<TMapListEntry>;

// Every regular file in `program_dir` + "Maps/" whose name ends in ".map" (in any case),
// ordered by name without regard to case (names equal but for case in the order of their
// bytes), each with the name read from it. Files that are not readable maps are left out;
// a missing folder gives an empty list. Only the start of each file is read.
TMapList BuildMapList(const std::string& program_dir);

}  // namespace sk
