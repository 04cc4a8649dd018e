#pragma once
// The per-tick point table as the game used to store it, point by point, kept as the
// reference the on-demand path points must match exactly.
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "game/maps/PathTable.h"

namespace sk::test {

inline std::vector<TPathPoint> StoredPathTable(std::span<const TWayPoint> waypoints) {
  std::vector<TPathPoint> table;
  for (std::size_t k = 0; k + 1 < waypoints.size(); ++k) {
    const TWayPoint& from = waypoints[k];
    const TWayPoint& to = waypoints[k + 1];
    const long dx = std::labs(static_cast<long>(to.X) - from.X);
    const long dy = std::labs(static_cast<long>(to.Y) - from.Y);
    const long sx = to.X < from.X ? -1 : 1;
    const long sy = to.Y < from.Y ? -1 : 1;
    const long double f = from.Frames;
    for (long t = 0; t < from.Frames; ++t) {
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
      table.push_back({static_cast<std::int16_t>(from.X + sx * ox),
                       static_cast<std::int16_t>(from.Y + sy * oy)});
    }
  }
  if (!waypoints.empty()) table.push_back({waypoints.back().X, waypoints.back().Y});
  return table;
}

// Every point of `path`, first to last.
inline std::vector<TPathPoint> AllPoints(const TMapPath& path) {
  std::vector<TPathPoint> points;
  for (std::size_t i = 0; i < path.Length; ++i) points.push_back(MapPathPoint(path, i));
  return points;
}

}  // namespace sk::test
