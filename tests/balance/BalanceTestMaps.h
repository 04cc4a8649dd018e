#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "game/render/Geometry.h"
#include "game/render/Picture.h"
#include "support/BmpEncode.h"
#include "support/JpegEncode.h"
#include "support/TempDir.h"

namespace sk::test {

// Writes the map file `file` into `dir` and returns its path: named "Test Yard", with a grey
// background and, when given, a mask (black = scenery).
inline std::string WriteTestMap(const TempDir& dir, const std::string& file,
                                const std::vector<std::vector<TWayPoint>>& paths,
                                TPoint final_waypoint, const TPicture* mask = nullptr) {
  TMapContent content;
  content.Name = "Test Yard";
  content.FinalX = static_cast<std::int16_t>(final_waypoint.X);
  content.FinalY = static_cast<std::int16_t>(final_waypoint.Y);
  content.Paths = paths;
  const auto bytes = AssembleMapFile(content, EncodeJpeg(TPicture(640, 480, TRgb{64, 64, 64})),
                                     mask ? EncodeBmp(*mask) : std::vector<std::uint8_t>{});
  EXPECT_TRUE(bytes) << file;
  if (bytes) dir.Write(file, *bytes);
  return dir.Path(file);
}

// One path along y = 300 from x = 40 to the final waypoint (440, 300) in 200 frames: two
// pixels a step, 201 points.
inline std::vector<std::vector<TWayPoint>> StrollPaths() { return {{{40, 300, 200}}}; }
inline constexpr TPoint kStrollExit{440, 300};

}  // namespace sk::test
