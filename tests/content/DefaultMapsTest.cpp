// The default maps in the built Maps folder load in the game, keep their walkers on the
// screen, and range from a few slow paths to all eight.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "game/maps/SKMap.h"
#include "game/render/Bmp.h"
#include "support/StoredPathTable.h"
#include "tests/content/ContentFiles.h"

namespace sk {
namespace {

std::vector<std::string> DefaultMaps() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(test::GameDir() + "Maps")) {
    if (entry.path().extension() == ".map") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TImageList MapImages() {
  TImageList images;
  AddImage(images, kMapBackgroundImage, TPicture{}, false, RgbColor(0, 0, 0), false);
  AddImage(images, kMapMaskImage, TPicture{}, true, RgbColor(255, 0, 255), false);
  return images;
}

TEST(DefaultMaps, AtLeastThreeFromFewPathsToEight) {
  const std::vector<std::string> files = DefaultMaps();
  ASSERT_GE(files.size(), 3u);
  std::size_t fewest = 9, most = 0;
  for (const std::string& file : files) {
    const auto bytes = ReadFileBytes(file);
    ASSERT_TRUE(bytes) << file;
    const auto info = ReadMapFile(*bytes);
    ASSERT_TRUE(info) << file;
    fewest = std::min(fewest, info->Content.Paths.size());
    most = std::max(most, info->Content.Paths.size());
  }
  EXPECT_LE(fewest, 3u);
  EXPECT_EQ(most, 8u);
}

TEST(DefaultMaps, EveryMapLoadsAndItsPathsStayOnScreen) {
  for (const std::string& file : DefaultMaps()) {
    SCOPED_TRACE(file);
    TMapState map;
    TImageList images = MapImages();
    std::size_t walkers = 0;
    ASSERT_EQ(LoadMapFile(map, images, file, [&](std::size_t n) { walkers = n; }),
              MapLoadResult::Loaded);
    EXPECT_TRUE(map.MapHasMask);
    EXPECT_EQ(walkers, map.Paths.size());
    const TPicture& background = FindImage(images, kMapBackgroundImage).Picture;
    EXPECT_EQ(background.Width, 640);
    EXPECT_EQ(background.Height, 480);
    const TPathPoint final_point = PathPoint(map, 0, PathLength(map, 0) - 1);
    for (std::size_t path = 0; path < map.Paths.size(); ++path) {
      const std::size_t length = PathLength(map, path);
      EXPECT_EQ(PathPoint(map, path, length - 1), final_point);
      EXPECT_GT(length, 62u * 2) << "a walk of under two seconds";
      for (std::size_t i = 0; i < length; ++i) {
        const TPathPoint p = PathPoint(map, path, i);
        ASSERT_TRUE(p.X >= 0 && p.X < 640 && p.Y >= 0 && p.Y < 480) << p.X << "," << p.Y;
      }
    }
  }
}

TEST(DefaultMaps, MasksArePureBlackAndWhiteAndLeaveTheExitOpen) {
  for (const std::string& file : DefaultMaps()) {
    SCOPED_TRACE(file);
    const auto bytes = ReadFileBytes(file);
    ASSERT_TRUE(bytes);
    const auto info = ReadMapFile(*bytes);
    ASSERT_TRUE(info);
    const auto mask_bytes = MapMaskData(*bytes, *info);
    ASSERT_TRUE(mask_bytes);
    const TPicture mask = DecodeBmp(*mask_bytes);
    ASSERT_EQ(mask.Width, 640);
    ASSERT_EQ(mask.Height, 480);
    int black = 0;
    for (const TRgb& p : mask.Pixels) {
      const bool is_black = p == TRgb{0, 0, 0};
      ASSERT_TRUE(is_black || p == (TRgb{255, 255, 255}));
      black += is_black;
    }
    EXPECT_GT(black, 640 * 480 / 50) << "hardly any scenery to hide behind";
    EXPECT_LT(black, 640 * 480 / 2);
    const TRgb at_exit = mask.At(info->Content.FinalX, info->Content.FinalY - 40);
    EXPECT_EQ(at_exit, (TRgb{255, 255, 255})) << "the exit is hidden behind scenery";
  }
}

// The points the game walks are the ones the stored tables of earlier versions held.
TEST(DefaultMaps, PathPointsEqualTheStoredTables) {
  for (const std::string& file : DefaultMaps()) {
    SCOPED_TRACE(file);
    const auto bytes = ReadFileBytes(file);
    ASSERT_TRUE(bytes);
    const auto info = ReadMapFile(*bytes);
    ASSERT_TRUE(info);
    TMapState map;
    map.Paths = MakeMapPaths(info->Content);
    for (std::size_t p = 0; p < info->Content.Paths.size(); ++p) {
      std::vector<TWayPoint> waypoints = info->Content.Paths[p];
      waypoints.push_back({info->Content.FinalX, info->Content.FinalY, 0});
      const std::vector<TPathPoint> stored = test::StoredPathTable(waypoints);
      ASSERT_EQ(PathLength(map, p), stored.size());
      for (std::size_t i = 0; i < stored.size(); ++i)
        ASSERT_EQ(PathPoint(map, p, i), stored[i]) << i;
    }
  }
}

}  // namespace
}  // namespace sk
