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

// A path as models walk it. Its points (1 + the sum of its waypoints' frames, up to
// 1 + 255 * 65535) are worked out on demand from the waypoints, so a path costs memory for
// its waypoints, never for its ticks.
struct TMapPath {
  std::vector<TWayPoint> WayPoints;          // the final waypoint is the last record
  std::vector<std::uint32_t> SegmentStarts;  // the position at which each segment begins
  std::uint32_t Length = 0;                  // the number of points; the last is the final one
};
using TMapPaths = std::vector<TMapPath>;

// 1 + the frames of every waypoint of `path` (the final waypoint not included).
std::uint64_t PathTableLength(std::span<const TWayPoint> path);

// The path through `waypoints` — a path's waypoints followed by the final waypoint as the
// last record. Each segment of F frames contributes F points from its start towards (not
// including) its end, and the final waypoint is the last point.
TMapPath MakeMapPath(std::span<const TWayPoint> waypoints);

// The point at `position` (below path.Length). The offsets along the axes are rounded to the
// nearest integer, halves to even, from 80-bit quotients taken first and multiplied after, so
// a path walks exactly the same pixels on every machine.
TPathPoint MapPathPoint(const TMapPath& path, std::size_t position);

// Every path of a map, in file order; each ends at the final waypoint.
TMapPaths MakeMapPaths(const TMapContent& content);

}  // namespace sk
