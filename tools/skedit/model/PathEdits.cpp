#include "tools/skedit/model/PathEdits.h"

#include <cmath>

#include "common/PathSpeed.h"

namespace sk::edit {
namespace {

bool InRange(int v) { return v >= -32768 && v <= 32767; }

// Where segment `k` of `path` ends: the next waypoint, or the exit after the last.
std::pair<int, int> SegmentEnd(const TMapContent& map, const std::vector<TWayPoint>& path,
                               std::size_t k) {
  if (k + 1 < path.size()) return {path[k + 1].X, path[k + 1].Y};
  return {map.FinalX, map.FinalY};
}

double Distance(int x0, int y0, int x1, int y1) {
  return std::hypot(double(x1) - x0, double(y1) - y0);
}

// Sets segment `k`'s frames to walk its present length at `speed`.
void FitFrames(const TMapContent& map, std::vector<TWayPoint>& path, std::size_t k, double speed) {
  if (k >= path.size()) return;
  if (!(speed > 0)) speed = kDefaultSpeed;
  const auto [x, y] = SegmentEnd(map, path, k);
  path[k].Frames = FramesForSpeed(Distance(path[k].X, path[k].Y, x, y), speed);
}

bool ValidPath(const TMapContent& map, std::size_t p) { return p < map.Paths.size(); }

}  // namespace

double SegmentSpeed(const TMapContent& map, std::size_t p, std::size_t k) {
  if (!ValidPath(map, p) || k >= map.Paths[p].size()) return 0;
  const TWayPoint& w = map.Paths[p][k];
  const auto [x, y] = SegmentEnd(map, map.Paths[p], k);
  return w.Frames ? Distance(w.X, w.Y, x, y) / w.Frames : 0;
}

bool AppendWaypoint(TMapContent& map, std::size_t p, int x, int y) {
  if (!ValidPath(map, p) || !InRange(x) || !InRange(y)) return false;
  auto& path = map.Paths[p];
  if (path.size() >= kMaxPathWaypoints) return false;
  const double speed = path.empty() ? kDefaultSpeed : SegmentSpeed(map, p, path.size() - 1);
  path.push_back(TWayPoint{std::int16_t(x), std::int16_t(y), 1});
  if (path.size() > 1) FitFrames(map, path, path.size() - 2, speed);
  FitFrames(map, path, path.size() - 1, speed);
  return true;
}

bool InsertWaypoint(TMapContent& map, std::size_t p, std::size_t k, int x, int y) {
  if (!ValidPath(map, p) || k >= map.Paths[p].size() || !InRange(x) || !InRange(y)) return false;
  auto& path = map.Paths[p];
  if (path.size() >= kMaxPathWaypoints) return false;
  const double speed = SegmentSpeed(map, p, k);
  path.insert(path.begin() + std::ptrdiff_t(k + 1), TWayPoint{std::int16_t(x), std::int16_t(y), 1});
  FitFrames(map, path, k, speed);
  FitFrames(map, path, k + 1, speed);
  return true;
}

bool RemoveWaypoint(TMapContent& map, std::size_t p, std::size_t k) {
  if (!ValidPath(map, p) || k >= map.Paths[p].size()) return false;
  auto& path = map.Paths[p];
  const double speed = k > 0 ? SegmentSpeed(map, p, k - 1) : 0;
  path.erase(path.begin() + std::ptrdiff_t(k));
  if (k > 0) FitFrames(map, path, k - 1, speed);
  return true;
}

bool MoveWaypoint(TMapContent& map, std::size_t p, std::size_t k, int x, int y) {
  if (!ValidPath(map, p) || k >= map.Paths[p].size() || !InRange(x) || !InRange(y)) return false;
  const double before = k > 0 ? SegmentSpeed(map, p, k - 1) : 0;
  const double after = SegmentSpeed(map, p, k);
  auto& path = map.Paths[p];
  path[k].X = std::int16_t(x);
  path[k].Y = std::int16_t(y);
  if (k > 0) FitFrames(map, path, k - 1, before);
  FitFrames(map, path, k, after);
  return true;
}

bool MoveExit(TMapContent& map, int x, int y) {
  if (!InRange(x) || !InRange(y)) return false;
  std::vector<double> speeds;
  for (std::size_t p = 0; p < map.Paths.size(); ++p)
    speeds.push_back(map.Paths[p].empty() ? 0 : SegmentSpeed(map, p, map.Paths[p].size() - 1));
  map.FinalX = std::int16_t(x);
  map.FinalY = std::int16_t(y);
  for (std::size_t p = 0; p < map.Paths.size(); ++p)
    if (!map.Paths[p].empty()) FitFrames(map, map.Paths[p], map.Paths[p].size() - 1, speeds[p]);
  return true;
}

bool SetWaypoint(TMapContent& map, std::size_t p, std::size_t k, TWayPoint w) {
  if (!ValidPath(map, p) || k >= map.Paths[p].size() || w.Frames == 0) return false;
  map.Paths[p][k] = w;
  return true;
}

bool SetSegmentSpeed(TMapContent& map, std::size_t p, std::size_t k, double speed) {
  if (!ValidPath(map, p) || k >= map.Paths[p].size() || !(speed > 0)) return false;
  FitFrames(map, map.Paths[p], k, speed);
  return true;
}

bool SetPathSpeed(TMapContent& map, std::size_t p, double speed) {
  if (!ValidPath(map, p) || map.Paths[p].empty() || !(speed > 0)) return false;
  for (std::size_t k = 0; k < map.Paths[p].size(); ++k) FitFrames(map, map.Paths[p], k, speed);
  return true;
}

bool AddPath(TMapContent& map) {
  if (map.Paths.size() >= kMaxMapPaths) return false;
  map.Paths.emplace_back();
  return true;
}

bool DeletePath(TMapContent& map, std::size_t p) {
  if (!ValidPath(map, p) || map.Paths.size() <= 1) return false;
  map.Paths.erase(map.Paths.begin() + std::ptrdiff_t(p));
  return true;
}

bool DuplicatePath(TMapContent& map, std::size_t p) {
  if (!ValidPath(map, p) || map.Paths.size() >= kMaxMapPaths) return false;
  const auto copy = map.Paths[p];
  map.Paths.insert(map.Paths.begin() + std::ptrdiff_t(p + 1), copy);
  return true;
}

bool MovePath(TMapContent& map, std::size_t from, std::size_t to) {
  if (!ValidPath(map, from) || !ValidPath(map, to) || from == to) return false;
  auto path = std::move(map.Paths[from]);
  map.Paths.erase(map.Paths.begin() + std::ptrdiff_t(from));
  map.Paths.insert(map.Paths.begin() + std::ptrdiff_t(to), std::move(path));
  return true;
}

}  // namespace sk::edit
