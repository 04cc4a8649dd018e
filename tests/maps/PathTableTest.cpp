#include <gtest/gtest.h>

#include <vector>

#include "game/maps/PathTable.h"

namespace sk {
namespace {

TPathTable Build(std::vector<TWayPoint> waypoints) { return BuildPathTable(waypoints); }

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
  const TWayPointsTable tables = BuildMapPathTables(content);
  ASSERT_EQ(tables.size(), 3u);
  EXPECT_EQ(tables[0], (TPathTable{{0, 0}, {-2, 250}, {-4, 500}}));
  EXPECT_EQ(tables[1], (TPathTable{{-4, 500}}));
  EXPECT_EQ(tables[2], (TPathTable{{10, 10}, {20, 20}, {-4, 500}}));
  EXPECT_EQ(PathTableLength(content.Paths[2]), 3u);
}

}  // namespace
}  // namespace sk
