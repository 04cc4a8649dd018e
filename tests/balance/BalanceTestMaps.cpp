#include "tests/balance/BalanceTestMaps.h"

#include <gtest/gtest.h>

#include "support/BmpEncode.h"
#include "support/JpegEncode.h"

namespace sk::test {

std::string WriteTestMap(const TempDir& dir, const std::string& file,
                         const std::vector<std::vector<TWayPoint>>& paths, TPoint final_waypoint,
                         const TPicture* mask) {
  TMapContent content;
  content.Name = "Test Yard";
  content.FinalX = static_cast<std::int16_t>(final_waypoint.X);
  content.FinalY = static_cast<std::int16_t>(final_waypoint.Y);
  content.Paths = paths;
  const auto jpeg = EncodeJpeg(TPicture(640, 480, TRgb{64, 64, 64}));
  const auto bmp = mask ? EncodeBmp(*mask) : std::vector<std::uint8_t>{};
  const auto bytes = AssembleMapFile(content, jpeg, bmp);
  EXPECT_TRUE(bytes) << file;
  if (bytes) dir.Write(file, *bytes);
  return dir.Path(file);
}

}  // namespace sk::test
