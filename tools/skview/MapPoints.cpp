#include "tools/skview/MapPoints.h"

#include <optional>

#include "common/Error.h"
#include "common/MapFormat.h"
#include "game/maps/PathTable.h"

namespace sk {

void PrintMapPoints(const std::string& file_name, std::span<const std::uint8_t> bytes,
                    std::FILE* out) {
  const std::optional<TMapFileInfo> info = ReadMapFile(bytes);
  if (!info) {
    throw Error(file_name + (IsMapFile(bytes) ? ": the file ends before the pictures"
                                              : ": not a map file (wrong magic)"));
  }
  const TMapPaths paths = MakeMapPaths(info->Content);
  for (std::size_t p = 0; p < paths.size(); ++p) {
    for (std::size_t i = 0; i < paths[p].Length; ++i) {
      const TPathPoint point = MapPathPoint(paths[p], i);
      std::fprintf(out, "%zu %zu %d %d\n", p + 1, i, point.X, point.Y);
    }
  }
}

}  // namespace sk
