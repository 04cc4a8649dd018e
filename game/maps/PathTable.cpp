#include "game/maps/PathTable.h"

#include <algorithm>
#include <cstdlib>

#include "game/maps/PathRounding.h"

namespace sk {
namespace {

struct TOffset {
  long X = 0;
  long Y = 0;
};

// num / den * mult to the nearest integer, as the paths have always been walked.
long Step(long num, long den, long mult) {
  return static_cast<long>(ScaledStep(static_cast<std::uint16_t>(num),
                                      static_cast<std::uint16_t>(den),
                                      static_cast<std::uint16_t>(mult)));
}

// The step's distance from the segment's start along each axis, dx and dy being the
// segment's extent (below 2^16), F its frame count and t the step (0 <= t < F). The longer
// axis leads; the other follows from the led offset, so a path keeps to its line.
TOffset SegmentOffset(long dx, long dy, long frames, long t) {
  if (dx == 0) return {0, Step(dy, frames, t)};
  if (dy == 0) return {Step(dx, frames, t), 0};
  if (dx <= dy) {
    const long oy = Step(dy, frames, t);
    return {Step(dx, dy, oy), oy};
  }
  const long ox = Step(dx, frames, t);
  return {ox, Step(dy, dx, ox)};
}

TPathPoint SegmentPoint(const TWayPoint& from, const TWayPoint& to, long t) {
  const long dx = std::labs(static_cast<long>(to.X) - from.X);
  const long dy = std::labs(static_cast<long>(to.Y) - from.Y);
  const long sx = to.X < from.X ? -1 : 1;
  const long sy = to.Y < from.Y ? -1 : 1;
  const TOffset o = SegmentOffset(dx, dy, from.Frames, t);
  return {static_cast<std::int16_t>(from.X + sx * o.X),
          static_cast<std::int16_t>(from.Y + sy * o.Y)};
}

}  // namespace

std::uint64_t PathTableLength(std::span<const TWayPoint> path) {
  std::uint64_t length = 1;
  for (const TWayPoint& w : path) length += w.Frames;
  return length;
}

TMapPath MakeMapPath(std::span<const TWayPoint> waypoints) {
  TMapPath path;
  if (waypoints.empty()) return path;
  path.WayPoints.assign(waypoints.begin(), waypoints.end());
  path.SegmentStarts.reserve(waypoints.size() - 1);
  std::uint32_t start = 0;
  for (std::size_t k = 0; k + 1 < waypoints.size(); ++k) {
    path.SegmentStarts.push_back(start);
    start += waypoints[k].Frames;
  }
  path.Length = start + 1;
  return path;
}

TPathPoint MapPathPoint(const TMapPath& path, std::size_t position) {
  if (path.WayPoints.empty()) return {};
  const TWayPoint& final_point = path.WayPoints.back();
  if (position + 1 >= path.Length) return {final_point.X, final_point.Y};
  // The last segment starting at or before `position`; a segment of 0 frames shares its start
  // with the next one, so this one always has frames.
  const auto next = std::upper_bound(path.SegmentStarts.begin(), path.SegmentStarts.end(),
                                     static_cast<std::uint32_t>(position));
  const std::size_t k = static_cast<std::size_t>(next - path.SegmentStarts.begin()) - 1;
  return SegmentPoint(path.WayPoints[k], path.WayPoints[k + 1],
                      static_cast<long>(position - path.SegmentStarts[k]));
}

TMapPaths MakeMapPaths(const TMapContent& content) {
  TMapPaths paths;
  paths.reserve(content.Paths.size());
  std::vector<TWayPoint> waypoints;
  for (const auto& stored : content.Paths) {
    waypoints = stored;
    waypoints.push_back(TWayPoint{content.FinalX, content.FinalY, 0});
    paths.push_back(MakeMapPath(waypoints));
  }
  return paths;
}

}  // namespace sk
