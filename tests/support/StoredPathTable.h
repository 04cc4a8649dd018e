#pragma once
// The per-tick point table as the game used to store it, point by point, kept as the
// reference the on-demand path points must match exactly.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <vector>

#include "game/maps/PathTable.h"

namespace sk::test {

// Point t of the segment from `from` to `to`, in the extended precision of x86-64.
inline TPathPoint StoredPathPoint(const TWayPoint& from, const TWayPoint& to, long t) {
  const long dx = std::labs(static_cast<long>(to.X) - from.X);
  const long dy = std::labs(static_cast<long>(to.Y) - from.Y);
  const long sx = to.X < from.X ? -1 : 1;
  const long sy = to.Y < from.Y ? -1 : 1;
  const long double f = from.Frames;
  long ox = 0;
  long oy = 0;
  if (dx == 0) {
    oy = std::lrint(static_cast<long double>(dy) / f * t);
  } else if (dy == 0) {
    ox = std::lrint(static_cast<long double>(dx) / f * t);
  } else if (dx <= dy) {
    oy = std::lrint(static_cast<long double>(dy) / f * t);
    ox = std::lrint(static_cast<long double>(dx) / dy * oy);
  } else {
    ox = std::lrint(static_cast<long double>(dx) / f * t);
    oy = std::lrint(static_cast<long double>(dy) / dx * ox);
  }
  return {static_cast<std::int16_t>(from.X + sx * ox), static_cast<std::int16_t>(from.Y + sy * oy)};
}

inline std::vector<TPathPoint> StoredPathTable(std::span<const TWayPoint> waypoints) {
  std::vector<TPathPoint> table;
  for (std::size_t k = 0; k + 1 < waypoints.size(); ++k) {
    for (long t = 0; t < waypoints[k].Frames; ++t) {
      table.push_back(StoredPathPoint(waypoints[k], waypoints[k + 1], t));
    }
  }
  if (!waypoints.empty()) table.push_back({waypoints.back().X, waypoints.back().Y});
  return table;
}

// Only where long double is the 80-bit type (x86-64) is the table above the one the game
// stored; elsewhere it rounds differently.
inline bool StoredTableCanBeBuiltHere() { return std::numeric_limits<long double>::digits == 64; }

// Every point of `path`, first to last.
inline std::vector<TPathPoint> AllPoints(const TMapPath& path) {
  std::vector<TPathPoint> points;
  for (std::size_t i = 0; i < path.Length; ++i) points.push_back(MapPathPoint(path, i));
  return points;
}

}  // namespace sk::test
