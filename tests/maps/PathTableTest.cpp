#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/maps/PathRounding.h"
#include "game/maps/PathTable.h"
#include "support/StoredPathTable.h"

namespace sk {
namespace {

using TPathTable = std::vector<TPathPoint>;

TPathTable Build(std::vector<TWayPoint> waypoints) {
  return test::AllPoints(MakeMapPath(waypoints));
}

TEST(PathTable, TwoSegmentsToTheFinalWaypoint) {
  const TPathTable t = Build({{10, 300, 50}, {320, 300, 100}, {600, 400, 0}});
  ASSERT_EQ(t.size(), 151u);
  EXPECT_EQ(t[0], (TPathPoint{10, 300}));
  EXPECT_EQ(t[1], (TPathPoint{16, 300}));
  EXPECT_EQ(t[25], (TPathPoint{165, 300}));
  EXPECT_EQ(t[49], (TPathPoint{314, 300}));
  EXPECT_EQ(t[50], (TPathPoint{320, 300}));
  EXPECT_EQ(t[51], (TPathPoint{323, 301}));
  EXPECT_EQ(t[100], (TPathPoint{460, 350}));
  EXPECT_EQ(t[149], (TPathPoint{597, 399}));
  EXPECT_EQ(t[150], (TPathPoint{600, 400}));
}

TEST(PathTable, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Build({{0, 0, 2}, {5, 0, 0}}),
            (TPathTable{{0, 0}, {2, 0}, {5, 0}}));
  // Going up-left: the offsets are taken towards the target.
  EXPECT_EQ(Build({{100, 100, 4}, {90, 130, 0}}),
            (TPathTable{{100, 100}, {97, 108}, {95, 115}, {93, 122}, {90, 130}}));
  // The longer axis leads and the other follows it: 7.5 -> 8, then 10/30 * 8 -> 3.
  EXPECT_EQ(Build({{0, 0, 4}, {-30, -10, 0}})[1], (TPathPoint{-8, -3}));
}

TEST(PathTable, StillOneFrameAndEmptyPaths) {
  EXPECT_EQ(Build({{7, -7, 3}, {7, -7, 0}}),
            (TPathTable{{7, -7}, {7, -7}, {7, -7}, {7, -7}}));
  EXPECT_EQ(Build({{0, 0, 1}, {50, 60, 1}, {100, 10, 0}}),
            (TPathTable{{0, 0}, {50, 60}, {100, 10}}));
  EXPECT_EQ(Build({{42, 43, 0}}), (TPathTable{{42, 43}}));
  // A waypoint of 0 frames (never written by the builder) is skipped over.
  EXPECT_EQ(Build({{1, 1, 0}, {9, 9, 1}, {5, 5, 0}}), (TPathTable{{9, 9}, {5, 5}}));
}

TEST(PathTable, FullRangeSegmentStaysBetweenItsEnds) {
  const TPathTable t = Build({{-32768, 32767, 3}, {32767, -32768, 0}});
  EXPECT_EQ(t, (TPathTable{{-32768, 32767}, {-10923, 10922}, {10922, -10923}, {32767, -32768}}));
}

TEST(PathTable, MapTablesEndAtTheSharedFinalWaypoint) {
  TMapContent content;
  content.FinalX = -4;
  content.FinalY = 500;
  content.Paths = {{{0, 0, 2}}, {}, {{10, 10, 1}, {20, 20, 1}}};
  const TMapPaths paths = MakeMapPaths(content);
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(test::AllPoints(paths[0]), (TPathTable{{0, 0}, {-2, 250}, {-4, 500}}));
  EXPECT_EQ(test::AllPoints(paths[1]), (TPathTable{{-4, 500}}));
  EXPECT_EQ(test::AllPoints(paths[2]), (TPathTable{{10, 10}, {20, 20}, {-4, 500}}));
  EXPECT_EQ(PathTableLength(content.Paths[2]), 3u);
}

// Random paths, from short steps to the full coordinate range, with 0- and 1-frame waypoints
// among them: every point worked out on demand equals the stored table's point.
TEST(PathTable, OnDemandPointsEqualTheStoredTable) {
  if (!test::StoredTableCanBeBuiltHere()) GTEST_SKIP() << "long double is not 80-bit here";
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> count(1, 40);
  for (int round = 0; round < 300; ++round) {
    const int range = round % 3 == 0 ? 32767 : 700;
    std::uniform_int_distribution<int> coordinate(-range - (range == 32767), range);
    std::uniform_int_distribution<int> frames(0, round % 5 == 0 ? 3 : 400);
    std::vector<TWayPoint> waypoints(static_cast<std::size_t>(count(random)) + 1);
    for (TWayPoint& w : waypoints) {
      w = {static_cast<std::int16_t>(coordinate(random)),
           static_cast<std::int16_t>(coordinate(random)),
           static_cast<std::uint16_t>(frames(random))};
    }
    waypoints.back().Frames = 0;
    const TMapPath path = MakeMapPath(waypoints);
    ASSERT_EQ(path.Length, PathTableLength(std::span(waypoints).first(waypoints.size() - 1)));
    ASSERT_EQ(test::AllPoints(path), test::StoredPathTable(waypoints)) << "round " << round;
  }
}

// Halves that the game's two roundings to 64 significant bits send the other way than exact
// arithmetic, doubles and 113-bit long doubles would (the first six), or than exact and 113-bit
// arithmetic (the next three). Models have always walked these pixels, so demos depend on them.
TEST(PathTable, HalvesRoundAsTheGameAlwaysWalkedThem) {
  const struct {
    std::uint16_t Num, Den, Mult;
    std::int64_t Step;
  } cases[] = {{606, 36, 15, 253},
               {175, 38, 19, 87},
               {829, 88, 44, 415},
               {55, 84, 42, 27},
               {65531, 65526, 32763, 32765},
               {65509, 65508, 32754, 32755},
               {947, 46, 23, 473},
               {233, 116, 58, 117},
               {381, 138, 23, 63},
               {5, 2, 1, 2},
               {7, 2, 1, 4},
               {65535, 1, 65535, 4294836225},
               {1, 65535, 32767, 0},
               {1, 65535, 32768, 1},
               {9, 0, 4, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ScaledStep(c.Num, c.Den, c.Mult), c.Step)
        << c.Num << " / " << c.Den << " * " << c.Mult;
  }
}

// Single points of segments anywhere in the map format's range: coordinates over the whole of
// int16, up to 65535 frames, half the segments stopped exactly half-way.
TEST(PathTable, PointsOverTheWholeFormatEqualTheStoredTable) {
  if (!test::StoredTableCanBeBuiltHere()) GTEST_SKIP() << "long double is not 80-bit here";
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> coordinate(-32768, 32767);
  std::uniform_int_distribution<int> frames(1, 65535);
  for (int round = 0; round < 100000; ++round) {
    const auto xy = [&] { return static_cast<std::int16_t>(coordinate(random)); };
    const TWayPoint from{xy(), xy(), static_cast<std::uint16_t>(frames(random))};
    const TWayPoint to{xy(), xy(), 0};
    const long t = round % 2 ? from.Frames / 2
                             : std::uniform_int_distribution<long>(0, from.Frames - 1)(random);
    const TMapPath path = MakeMapPath(std::vector<TWayPoint>{from, to});
    ASSERT_EQ(MapPathPoint(path, static_cast<std::size_t>(t)), test::StoredPathPoint(from, to, t))
        << from.X << "," << from.Y << " -> " << to.X << "," << to.Y << " in " << from.Frames
        << ", step " << t;
  }
}

TEST(PathTable, LongestPathKeepsOnlyItsWaypoints) {
  std::vector<TWayPoint> waypoints;
  for (int k = 0; k < 255; ++k) waypoints.push_back({static_cast<std::int16_t>(k * 7), 5, 65535});
  waypoints.push_back({-300, 900, 0});
  const TMapPath path = MakeMapPath(waypoints);
  EXPECT_EQ(path.Length, 1u + 255u * 65535u);
  EXPECT_EQ(path.WayPoints.size(), 256u);
  EXPECT_EQ(MapPathPoint(path, 0), (TPathPoint{0, 5}));
  EXPECT_EQ(MapPathPoint(path, 65535), (TPathPoint{7, 5}));
  EXPECT_EQ(MapPathPoint(path, 254u * 65535u), (TPathPoint{1778, 5}));
  EXPECT_EQ(MapPathPoint(path, path.Length - 1), (TPathPoint{-300, 900}));
}

}  // namespace
}  // namespace sk
