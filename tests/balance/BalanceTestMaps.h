#pragma once
#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "game/render/Geometry.h"
#include "game/render/Picture.h"
#include "support/TempDir.h"

namespace sk::test {

// Writes the map file `file` into `dir` and returns its path: named "Test Yard", with a grey
// background and, when given, a mask (black = scenery).
std::string WriteTestMap(const TempDir& dir, const std::string& file,
                         const std::vector<std::vector<TWayPoint>>& paths, TPoint final_waypoint,
                         const TPicture* mask = nullptr);

// One path along y = 300 from x = 40 to the final waypoint (440, 300) in 200 frames: two
// pixels a step, 201 points.
inline std::vector<std::vector<TWayPoint>> StrollPaths() { return {{{40, 300, 200}}}; }
inline constexpr TPoint kStrollExit{440, 300};

}  // namespace sk::test
