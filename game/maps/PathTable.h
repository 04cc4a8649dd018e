#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/MapFormat.h"

namespace sk {

// Where a model on a path stands, one point per frame tick.
struct TPathPoint {
  std::int16_t X = 0;
  std::int16_t Y = 0;
  friend bool operator==(const TPathPoint&, const TPathPoint&) = default;
};

// One table per path of the loaded map, in file order. A table holds 1 + the sum of its
// waypoints' frames points (up to 1 + 255 * 65535), the last one being the final waypoint.
using TPathTable = std::vector<TPathPoint>;
using TWayPointsTable = std::vector<TPathTable>;

// 1 + the frames of every waypoint of `path` (the final waypoint not included).
std::uint64_t PathTableLength(std::span<const TWayPoint> path);

// Expands `waypoints` — a path's waypoints followed by the final waypoint as the last
// record — into its table. Each segment of F frames contributes F points from its start
// towards (not including) its end; the offsets along the axes are rounded to the nearest
// integer, halves to even, from 80-bit quotients taken first and multiplied after, so a
// path walks exactly the same pixels on every machine. Throws std::bad_alloc when the table
// does not fit in memory.
TPathTable BuildPathTable(std::span<const TWayPoint> waypoints);

// The same, stored as entry `p` of `tables` (which must already have that entry).
void BuildPathTable(std::span<const TWayPoint> waypoints, std::size_t p, TWayPointsTable& tables);

// The tables of every path of a map, in file order; each path ends at the final waypoint.
TWayPointsTable BuildMapPathTables(const TMapContent& content);

}  // namespace sk
