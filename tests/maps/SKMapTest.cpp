#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "MapTestFiles.h"
#include "game/maps/MaskLayer.h"
#include "game/maps/SKMap.h"
#include "support/PeakMemory.h"

namespace sk {
namespace {

using test::EncodeBmp;
using test::EncodeJpeg;
using test::ExampleContent;
using test::MakeMap;
using test::MakeMapImages;
using test::RawMap;

struct TWalker {
  int Position = -1;
  int Delay = 77;
};

TPicture Gradient(int w, int h) {
  TPicture p(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      p.At(x, y) = TRgb{static_cast<std::uint8_t>(x * 255 / w), static_cast<std::uint8_t>(y * 255 / h), 90};
    }
  }
  return p;
}

class LoadMapTest : public ::testing::Test {
 protected:
  MapLoadResult Load(const std::vector<std::uint8_t>& bytes) {
    return LoadMapFromBytes(map_, images_, bytes, [&](std::size_t n) {
      walkers_.resize(n);
      for (TWalker& w : walkers_) w.Position = 0;
    });
  }
  const TPicture& Background() { return FindImage(images_, kMapBackgroundImage).Picture; }
  const TPicture& Layer() { return FindImage(images_, kMapMaskImage).Picture; }

  TMapState map_;
  TImageList images_ = MakeMapImages();
  std::vector<TWalker> walkers_{TWalker{5, 9}};
  std::vector<std::uint8_t> jpeg_ = EncodeJpeg(Gradient(640, 480));
};

TEST_F(LoadMapTest, MapWithoutMask) {
  map_.MapHasMask = true;
  ASSERT_EQ(Load(MakeMap(ExampleContent(), jpeg_)), MapLoadResult::Loaded);
  ASSERT_EQ(map_.Paths.size(), 1u);
  EXPECT_EQ(PathLength(map_, 0), 151u);
  EXPECT_EQ(PathPoint(map_, 0, 51), (TPathPoint{323, 301}));
  EXPECT_FALSE(map_.MapHasMask);
  EXPECT_TRUE(Layer().Empty());
  EXPECT_EQ(Background().Width, 640);
  EXPECT_EQ(Background().Height, 480);
  // Position goes back to the start; the rest is the match start's business.
  ASSERT_EQ(walkers_.size(), 1u);
  EXPECT_EQ(walkers_[0].Position, 0);
  EXPECT_EQ(walkers_[0].Delay, 9);
}

TEST_F(LoadMapTest, BlackMaskShowsTheBackgroundAndWhiteMaskNothing) {
  ASSERT_EQ(Load(MakeMap(ExampleContent(), jpeg_, EncodeBmp(TPicture(640, 480)))),
            MapLoadResult::Loaded);
  EXPECT_TRUE(map_.MapHasMask);
  EXPECT_EQ(Layer().Width, 640);
  EXPECT_EQ(Layer().Pixels, Background().Pixels);

  const TPicture white(640, 480, TRgb{255, 255, 255});
  ASSERT_EQ(Load(MakeMap(ExampleContent(), jpeg_, EncodeBmp(white))), MapLoadResult::Loaded);
  EXPECT_EQ(Layer().Pixels, TPicture(640, 480, kMaskTransparent).Pixels);
}

TEST_F(LoadMapTest, MixedMaskOfAnotherSizeOverASmallBackground) {
  // A 320 x 240 background and a 400 x 10 mask: black left half, white right half, and two
  // colours that the 16-colour palette turns into scenery (red) and into background (green).
  jpeg_ = EncodeJpeg(Gradient(320, 240));
  TPicture mask(400, 10, TRgb{255, 255, 255});
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 200; ++x) mask.At(x, y) = TRgb{};
  }
  mask.At(300, 5) = TRgb{250, 10, 10};
  mask.At(100, 5) = TRgb{255, 255, 255};
  mask.At(301, 5) = TRgb{0, 130, 0};
  ASSERT_EQ(Load(MakeMap(ExampleContent(), jpeg_, EncodeBmp(mask))), MapLoadResult::Loaded);
  const TPicture& layer = Layer();
  ASSERT_EQ(layer.Width, 640);
  ASSERT_EQ(layer.Height, 480);
  EXPECT_EQ(layer.At(10, 3), Background().At(10, 3));
  EXPECT_EQ(layer.At(100, 5), kMaskTransparent);
  EXPECT_EQ(layer.At(250, 3), kMaskTransparent);
  EXPECT_EQ(layer.At(300, 5), (TRgb{255, 0, 0}));
  EXPECT_EQ(layer.At(301, 5), Background().At(301, 5));
  EXPECT_EQ(layer.At(150, 9), Background().At(150, 9));
  // Nearly black is black; below and right of the mask nothing is scenery.
  EXPECT_EQ(MaskColor(TRgb{1, 2, 3}), (TRgb{0, 0, 0}));
  EXPECT_EQ(layer.At(150, 10), kMaskTransparent);
  EXPECT_EQ(layer.At(500, 0), kMaskTransparent);
}

TEST_F(LoadMapTest, BlackMaskBeyondTheBackgroundIsBlack) {
  jpeg_ = EncodeJpeg(Gradient(100, 100));
  ASSERT_EQ(Load(MakeMap(ExampleContent(), jpeg_, EncodeBmp(TPicture(640, 480)))),
            MapLoadResult::Loaded);
  EXPECT_EQ(Layer().At(99, 99), Background().At(99, 99));
  EXPECT_EQ(Layer().At(100, 50), (TRgb{0, 0, 0}));
}

TEST(ComposeMaskLayer, RunsOfEveryLengthMatchTheRulePixelByPixel) {
  const TPicture background = Gradient(500, 480);
  const TRgb colours[] = {{0, 0, 0}, {255, 255, 255}, {250, 10, 10}, {0, 130, 0}, {3, 3, 3},
                          {255, 255, 254}};
  TPicture mask(640, 480);
  std::mt19937 random(99);
  for (std::size_t i = 0; i < mask.Pixels.size();) {
    const std::size_t run = 1 + random() % (random() % 2 ? 4 : 300);
    const TRgb c = colours[random() % std::size(colours)];
    for (std::size_t k = 0; k < run && i < mask.Pixels.size(); ++k) mask.Pixels[i++] = c;
  }
  const TPicture layer = ComposeMaskLayer(background, mask);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const TRgb m = MaskColor(mask.At(x, y));
      const TRgb under = x < 500 ? background.At(x, y) : TRgb{};
      ASSERT_EQ(layer.At(x, y), m == TRgb{} ? under : m) << x << "," << y;
    }
  }
}

TEST_F(LoadMapTest, PathCountsOutsideOneToEightAreRefused) {
  const auto j = static_cast<std::int32_t>(jpeg_.size());
  EXPECT_EQ(Load(RawMap(8, j, 0, jpeg_)), MapLoadResult::Loaded);
  EXPECT_EQ(walkers_.size(), 8u);
  walkers_.assign(3, TWalker{});
  EXPECT_EQ(Load(RawMap(0, j, 0, jpeg_)), MapLoadResult::BadPathCount);
  EXPECT_EQ(Load(RawMap(9, j, 0, jpeg_)), MapLoadResult::BadPathCount);
  EXPECT_EQ(Load(RawMap(200, j, 0, jpeg_)), MapLoadResult::BadPathCount);
  EXPECT_TRUE(map_.Paths.empty());
  EXPECT_TRUE(walkers_.empty());  // no walker may outlive the paths it walked
}

TEST_F(LoadMapTest, DamagedFilesFailWithoutCrashing) {
  const std::vector<std::uint8_t> good = MakeMap(ExampleContent(), jpeg_);
  const std::size_t pictures = MapBackgroundOffset(ExampleContent());
  for (std::size_t n = 0; n < pictures; ++n) {
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    EXPECT_EQ(Load(cut), n < kMapMagicSize ? MapLoadResult::NotAMap : MapLoadResult::Truncated)
        << n;
    EXPECT_TRUE(map_.Paths.empty());
  }
  std::vector<std::uint8_t> wrong_magic = good;
  wrong_magic[12] = 0x02;
  EXPECT_EQ(Load(wrong_magic), MapLoadResult::NotAMap);

  const auto j = static_cast<std::int32_t>(jpeg_.size());
  EXPECT_EQ(Load(RawMap(1, -1, 0, jpeg_)), MapLoadResult::BadBackgroundSize);
  EXPECT_EQ(Load(RawMap(1, j + 1, 0, jpeg_)), MapLoadResult::BadBackgroundSize);
  EXPECT_EQ(Load(RawMap(1, 0x7FFFFFFF, 0, jpeg_)), MapLoadResult::BadBackgroundSize);
  EXPECT_EQ(Load(RawMap(1, 0, 0, jpeg_)), MapLoadResult::BadBackground);
  EXPECT_EQ(Load(RawMap(1, j, 0, std::vector<std::uint8_t>(jpeg_.size(), 0x55))),
            MapLoadResult::BadBackground);
  // A bad background comes after the paths and the walkers are set: both go again.
  EXPECT_TRUE(map_.Paths.empty());
  EXPECT_TRUE(walkers_.empty());
}

TEST_F(LoadMapTest, MaskThatDoesNotFitIsRefused) {
  const auto j = static_cast<std::int32_t>(jpeg_.size());
  // A mask size but no bytes after the background.
  EXPECT_EQ(Load(RawMap(1, j, 100, jpeg_)), MapLoadResult::BadMaskPlace);
  EXPECT_FALSE(map_.MapHasMask);
  EXPECT_EQ(Background().Width, 640);

  // A BMP whose header promises more rows than the file holds.
  std::vector<std::uint8_t> tail = jpeg_;
  std::vector<std::uint8_t> bmp = EncodeBmp(TPicture(640, 480));
  bmp.resize(bmp.size() / 2);
  tail.insert(tail.end(), bmp.begin(), bmp.end());
  EXPECT_EQ(Load(RawMap(1, j, 12345, tail)), MapLoadResult::BadMask);
  // Not a BMP at all.
  tail.resize(jpeg_.size());
  tail.insert(tail.end(), {'N', 'O', 'T', 'B', 'M', 'P'});
  EXPECT_EQ(Load(RawMap(1, j, 6, tail)), MapLoadResult::BadMask);
  // Only whether M is 0 counts: the BMP's own header tells its length.
  tail.resize(jpeg_.size());
  bmp = EncodeBmp(TPicture(640, 480));
  tail.insert(tail.end(), bmp.begin(), bmp.end());
  EXPECT_EQ(Load(RawMap(1, j, -7, tail)), MapLoadResult::Loaded);
}

TEST_F(LoadMapTest, FlippedBitsNeverCrash) {
  const std::vector<std::uint8_t> good =
      MakeMap(ExampleContent(), EncodeJpeg(Gradient(64, 48)), EncodeBmp(TPicture(64, 48)));
  std::mt19937 random(1234);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::uint8_t> bytes = good;
    for (int flip = 0; flip < 4; ++flip) {
      const std::size_t at = random() % std::min<std::size_t>(bytes.size(), round % 2 ? 80 : bytes.size());
      bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
    }
    Load(bytes);  // any result will do, as long as it is one
  }
}

TEST(LoadMap, FromFileWithTheGamesWalkingModels) {
  test::TempFolder folder;
  TMapState map;
  TImageList images = MakeMapImages();
  std::vector<TWalker> walkers;
  EXPECT_FALSE(LoadMap(map, images, folder.Path() + "missing.map", walkers));
  EXPECT_FALSE(LoadMap(map, images, folder.Path(), walkers));  // a folder
  test::WriteBytes(folder.Path() + "a.map", MakeMap(ExampleContent(), EncodeJpeg(Gradient(8, 8))));
  EXPECT_TRUE(LoadMap(map, images, folder.Path() + "a.map", walkers));
  ASSERT_EQ(walkers.size(), 1u);
  EXPECT_EQ(walkers[0].Position, 0);
  EXPECT_EQ(LoadMapFile(map, images, folder.Path() + "a.map/x", [](std::size_t) {}),
            MapLoadResult::Unreadable);
}

// Eight paths of 255 waypoints of 65535 frames each: 134 million points, which the map keeps
// as its waypoints only.
TEST_F(LoadMapTest, LongestPathsCostTheirWaypointsOnly) {
  TMapContent content = ExampleContent();
  content.Paths.clear();
  for (int p = 0; p < 8; ++p) {
    std::vector<TWayPoint> path;
    for (int k = 0; k < 255; ++k) path.push_back({static_cast<std::int16_t>(k + p), 7, 65535});
    content.Paths.push_back(path);
  }
  const std::size_t before = test::PeakResidentBytes();
  ASSERT_EQ(Load(MakeMap(content, jpeg_)), MapLoadResult::Loaded);
  EXPECT_LT(test::PeakResidentBytes(), before + (64u << 20));
  EXPECT_EQ(PathLength(map_, 7), 1u + 255u * 65535u);
  EXPECT_EQ(PathPoint(map_, 7, 65535 * 3), (TPathPoint{10, 7}));
  EXPECT_EQ(PathPoint(map_, 7, 65535 * 255), (TPathPoint{600, 400}));
}

// Only a map's header and pictures are read, and never more than its first 64 MB.
TEST(LoadMap, HugeFilesAreReadOnlyAsFarAsTheMapNeeds) {
  test::TempFolder folder;
  TMapState map;
  TImageList images = MakeMapImages();
  const std::vector<std::uint8_t> jpeg = EncodeJpeg(Gradient(8, 8));
  const auto load = [&](const std::string& name) {
    return LoadMapFile(map, images, folder.Path() + name, [](std::size_t) {});
  };
  const auto sparse = [&](const std::string& name, std::uint64_t size) {
    ASSERT_EQ(::truncate((folder.Path() + name).c_str(), static_cast<off_t>(size)), 0);
  };
  const std::size_t before = test::PeakResidentBytes();
  test::WriteBytes(folder.Path() + "plain.map", MakeMap(ExampleContent(), jpeg));
  sparse("plain.map", 1ull << 30);
  EXPECT_EQ(load("plain.map"), MapLoadResult::Loaded);
  EXPECT_LT(test::PeakResidentBytes(), before + (16u << 20));

  // A mask reaches to the end of the file: only the first 64 MB of it are read.
  test::WriteBytes(folder.Path() + "mask.map",
                   MakeMap(ExampleContent(), jpeg, EncodeBmp(TPicture(8, 8))));
  sparse("mask.map", 1ull << 30);
  EXPECT_EQ(load("mask.map"), MapLoadResult::Loaded);
  EXPECT_LT(test::PeakResidentBytes(), before + (100u << 20));

  // A background said to be 100 MB, in a file that long, is too large to decode.
  test::WriteBytes(folder.Path() + "big.map", RawMap(1, 100 << 20, 0, jpeg));
  sparse("big.map", 101u << 20);
  EXPECT_EQ(load("big.map"), MapLoadResult::BadBackground);
  EXPECT_EQ(ReadMapFileBytes(folder.Path() + "big.map")->size(), kMaxMapFileBytes);
}

}  // namespace
}  // namespace sk
