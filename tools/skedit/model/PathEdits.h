#pragma once
#include <cstddef>
#include <cstdint>

#include "common/MapFormat.h"

// The edits an author makes to a map's paths. An author thinks in speed, not ticks: when a
// waypoint moves, is added or removed, the segments it touches keep their speed and their
// frames follow. Every edit keeps the map file's limits (8 paths, 255 waypoints a path) and
// returns false, changing nothing, when it cannot.
namespace sk::edit {

// The speed a segment gets when there is none to keep: in the middle of what plays well.
inline constexpr double kDefaultSpeed = 1.5;

// The speed of segment `k` of path `p` (from waypoint k to the next, or to the exit).
double SegmentSpeed(const TMapContent& map, std::size_t p, std::size_t k);

bool AppendWaypoint(TMapContent& map, std::size_t p, int x, int y);
// Inserts a waypoint on segment `k`, after waypoint k: both halves keep the segment's speed.
bool InsertWaypoint(TMapContent& map, std::size_t p, std::size_t k, int x, int y);
bool RemoveWaypoint(TMapContent& map, std::size_t p, std::size_t k);
bool MoveWaypoint(TMapContent& map, std::size_t p, std::size_t k, int x, int y);
bool MoveExit(TMapContent& map, int x, int y);

// Exactly as typed: the frames stay as given.
bool SetWaypoint(TMapContent& map, std::size_t p, std::size_t k, TWayPoint w);
bool SetSegmentSpeed(TMapContent& map, std::size_t p, std::size_t k, double speed);
bool SetPathSpeed(TMapContent& map, std::size_t p, double speed);

bool AddPath(TMapContent& map);
bool DeletePath(TMapContent& map, std::size_t p);  // the last path stays
bool DuplicatePath(TMapContent& map, std::size_t p);
bool MovePath(TMapContent& map, std::size_t from, std::size_t to);

}  // namespace sk::edit
