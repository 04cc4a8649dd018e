#include "game/maps/PathTable.h"

#include <cmath>
#include <cstdlib>

namespace sk {
namespace {

// v to the nearest integer, a half to the even neighbour (the default rounding mode).
long R(long double v) { return std::lrint(v); }

struct TOffset {
  long X = 0;
  long Y = 0;
};

// The step's distance from the segment's start along each axis, dx and dy being the
// segment's extent, F its frame count and t the step (0 <= t < F).
TOffset SegmentOffset(long dx, long dy, long double frames, long t) {
  if (dx == 0) return {0, R(static_cast<long double>(dy) / frames * t)};
  if (dy == 0) return {R(static_cast<long double>(dx) / frames * t), 0};
  if (dx <= dy) {
    const long oy = R(static_cast<long double>(dy) / frames * t);
    return {R(static_cast<long double>(dx) / dy * oy), oy};
  }
  const long ox = R(static_cast<long double>(dx) / frames * t);
  return {ox, R(static_cast<long double>(dy) / dx * ox)};
}

void AppendSegment(const TWayPoint& from, const TWayPoint& to, TPathTable& table) {
  const long dx = std::labs(static_cast<long>(to.X) - from.X);
  const long dy = std::labs(static_cast<long>(to.Y) - from.Y);
  const long sx = to.X < from.X ? -1 : 1;
  const long sy = to.Y < from.Y ? -1 : 1;
  const long double frames = from.Frames;
  for (long t = 0; t < from.Frames; ++t) {
    const TOffset o = SegmentOffset(dx, dy, frames, t);
    table.push_back({static_cast<std::int16_t>(from.X + sx * o.X),
                     static_cast<std::int16_t>(from.Y + sy * o.Y)});
  }
}

}  // namespace

std::uint64_t PathTableLength(std::span<const TWayPoint> path) {
  std::uint64_t length = 1;
  for (const TWayPoint& w : path) length += w.Frames;
  return length;
}

TPathTable BuildPathTable(std::span<const TWayPoint> waypoints) {
  TPathTable table;
  if (waypoints.empty()) return table;
  table.reserve(PathTableLength(waypoints.first(waypoints.size() - 1)));
  for (std::size_t k = 0; k + 1 < waypoints.size(); ++k) {
    AppendSegment(waypoints[k], waypoints[k + 1], table);
  }
  const TWayPoint& final_point = waypoints.back();
  table.push_back({final_point.X, final_point.Y});
  return table;
}

void BuildPathTable(std::span<const TWayPoint> waypoints, std::size_t p, TWayPointsTable& tables) {
  tables.at(p) = BuildPathTable(waypoints);
}

TWayPointsTable BuildMapPathTables(const TMapContent& content) {
  TWayPointsTable tables(content.Paths.size());
  std::vector<TWayPoint> waypoints;
  for (std::size_t p = 0; p < content.Paths.size(); ++p) {
    waypoints = content.Paths[p];
    waypoints.push_back(TWayPoint{content.FinalX, content.FinalY, 0});
    BuildPathTable(waypoints, p, tables);
  }
  return tables;
}

}  // namespace sk
