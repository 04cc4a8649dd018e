#include "tools/skview/MapPoints.h"

#include <new>
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
  const TMapContent& content = info->Content;
  std::vector<TWayPoint> waypoints;
  // One path at a time: a legal map's tables together can take half a gigabyte.
  for (std::size_t p = 0; p < content.Paths.size(); ++p) {
    waypoints = content.Paths[p];
    waypoints.push_back(TWayPoint{content.FinalX, content.FinalY, 0});
    TPathTable table;
    try {
      table = BuildPathTable(waypoints);
    } catch (const std::bad_alloc&) {
      throw Error(file_name + ": path " + std::to_string(p + 1) + " does not fit in memory");
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
      std::fprintf(out, "%zu %zu %d %d\n", p + 1, i, table[i].X, table[i].Y);
    }
  }
}

}  // namespace sk
