#pragma once
#include "GameHarness.h"

// The maps the play tests walk on. Points are worked out by hand from the waypoints: a
// stretch of F frames puts F points from its start towards its end.
namespace sk::test {

// One path along y = 300 from x = 100 to the final waypoint (300, 300) in 100 frames: point i
// is (100 + 2i, 300); 101 points, the last one the final waypoint.
inline Bytes WalkMap(int paths = 1, const TPicture* mask = nullptr) {
  return MakeMapFile(std::vector<std::vector<TWayPoint>>(paths, {{100, 300, 100}}), {300, 300},
                     mask);
}

// Three points: (300, 300), (305, 300), then the final waypoint (310, 300).
inline Bytes ShortMap() { return MakeMapFile({{{300, 300, 2}}}, {310, 300}); }

}  // namespace sk::test
