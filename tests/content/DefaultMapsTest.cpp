// The default maps in the built Maps folder load in the game, keep their walkers on the
// screen, range from a few slow paths to all eight, and hide a walker only behind scenery
// that stands nearer than its feet.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "game/maps/SKMap.h"
#include "game/render/Bmp.h"
#include "support/StoredPathTable.h"
#include "tests/content/ContentFiles.h"

namespace sk {
namespace {

// The maps the build makes; an author's own maps may lie beside them in the same folder.
std::vector<std::string> DefaultMaps() {
  std::vector<std::string> files;
  for (const std::string& name : test::ShippedMapFiles())
    files.push_back(test::GameDir() + "Maps/" + name);
  return files;
}

// Labels each 4-connected piece of black in the mask (one prop, or a stack of them) with the
// lowest row it reaches: the floor line it stands on.
struct MaskPieces {
  std::vector<int> label;      // per pixel, -1 where the mask is white
  std::vector<int> floor_row;  // per piece
};

MaskPieces FindPieces(const TPicture& mask) {
  MaskPieces pieces;
  pieces.label.assign(mask.Pixels.size(), -1);
  std::vector<std::pair<int, int>> stack;
  for (int y = 0; y < mask.Height; ++y) {
    for (int x = 0; x < mask.Width; ++x) {
      if (mask.At(x, y) != TRgb{0, 0, 0} || pieces.label[y * mask.Width + x] >= 0) continue;
      const int id = static_cast<int>(pieces.floor_row.size());
      pieces.floor_row.push_back(y);
      stack.assign(1, {x, y});
      pieces.label[y * mask.Width + x] = id;
      while (!stack.empty()) {
        const auto [cx, cy] = stack.back();
        stack.pop_back();
        pieces.floor_row[id] = std::max(pieces.floor_row[id], cy);
        for (const auto& [nx, ny] :
             {std::pair{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}}) {
          if (!mask.Contains(nx, ny) || mask.At(nx, ny) != TRgb{0, 0, 0}) continue;
          int& l = pieces.label[ny * mask.Width + nx];
          if (l < 0) {
            l = id;
            stack.push_back({nx, ny});
          }
        }
      }
    }
  }
  return pieces;
}

TImageList MapImages() {
  TImageList images;
  AddImage(images, kMapBackgroundImage, TPicture{}, false, RgbColor(0, 0, 0), false);
  AddImage(images, kMapMaskImage, TPicture{}, true, RgbColor(255, 0, 255), false);
  return images;
}

// A default map's description and its mask picture; nothing when either cannot be read.
struct DescribedMask {
  TMapFileInfo info;
  TPicture mask;
};
std::optional<DescribedMask> ReadDescribedMask(const std::string& file) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  const auto info = ReadMapFile(*bytes);
  if (!info) return std::nullopt;
  const auto mask_bytes = MapMaskData(*bytes, *info);
  if (!mask_bytes) return std::nullopt;
  return DescribedMask{*info, DecodeBmp(*mask_bytes)};
}

TEST(DefaultMaps, AtLeastSixFromFewPathsToEight) {
  const std::vector<std::string> files = DefaultMaps();
  ASSERT_GE(files.size(), 6u);
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
    const auto described = ReadDescribedMask(file);
    ASSERT_TRUE(described);
    const TMapFileInfo& info = described->info;
    const TPicture& mask = described->mask;
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
    const TRgb at_exit = mask.At(info.Content.FinalX, info.Content.FinalY - 40);
    EXPECT_EQ(at_exit, (TRgb{255, 255, 255})) << "the exit is hidden behind scenery";
  }
}

// The mask is drawn over every walker alike, so a piece of scenery may only overlap walkers
// whose feet are no nearer than its own floor line; anything else hides a walker that stands
// in front of it (and turns its shots away).
TEST(DefaultMaps, MasksHideOnlyWalkersStandingBehindTheScenery) {
  for (const std::string& file : DefaultMaps()) {
    SCOPED_TRACE(file);
    TMapState map;
    TImageList images = MapImages();
    ASSERT_EQ(LoadMapFile(map, images, file, [](std::size_t) {}), MapLoadResult::Loaded);
    const auto described = ReadDescribedMask(file);
    ASSERT_TRUE(described);
    const TPicture& mask = described->mask;
    const MaskPieces pieces = FindPieces(mask);
    for (std::size_t path = 0; path < described->info.Content.Paths.size(); ++path) {
      int faults = 0;
      for (std::size_t position = 0; position < PathLength(map, path); ++position) {
        const TPathPoint feet = PathPoint(map, path, position);
        for (int y = std::max(0, feet.Y - 80); y < feet.Y; ++y) {
          for (int x = std::max(0, feet.X - 25); x < std::min(640, feet.X + 25); ++x) {
            const int piece = pieces.label[y * mask.Width + x];
            if (piece >= 0 && feet.Y > pieces.floor_row[piece] && faults++ == 0) {
              ADD_FAILURE() << "Path" << path + 1 << ": the walker at " << feet.X << "," << feet.Y
                            << " is hidden by scenery standing on row " << pieces.floor_row[piece];
            }
          }
        }
      }
    }
  }
}

// The points the game walks are the ones the stored tables of earlier versions held.
TEST(DefaultMaps, PathPointsEqualTheStoredTables) {
  if (!test::StoredTableCanBeBuiltHere()) GTEST_SKIP() << "long double is not 80-bit here";
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
