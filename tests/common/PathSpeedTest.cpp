#include <gtest/gtest.h>

#include "common/PathSpeed.h"

namespace sk {
namespace {

TEST(PathSpeed, SegmentsRunFromEachWaypointToTheNextAndTheLastToTheExit) {
  // 50 px in 10 ticks, 100 px in 25 ticks, then a jump of 0 ticks; the exit at (30, 140).
  const std::vector<TWayPoint> path = {{0, 0, 10}, {30, 40, 25}, {30, 140, 0}};
  // The jump lands the model on the exit within one tick: 500 px in one.
  EXPECT_EQ(PathSegmentSpeeds(path, 330, 540)[2].Verdict, TSpeedVerdict::Unfollowable);
  EXPECT_EQ(DescribePathSpeed(path, 330, 540), "18.57 px/tick (segments 4.00 to 500.00)");
  EXPECT_EQ(PathMeanSpeed({{1, 1, 0}}, 1, 1), std::nullopt);
}

TEST(PathSpeed, JudgesWhatTheBalancePlayersFindPlayable) {
  const std::pair<double, TSpeedVerdict> cases[] = {
      {1.16, TSpeedVerdict::Playable},  {1.82, TSpeedVerdict::Playable},  // the shipped maps
      {2.004, TSpeedVerdict::Playable},  // shown as 2.00, so judged as 2.00
      {7.1, TSpeedVerdict::TooFast},    {0.99, TSpeedVerdict::TooSlow},
      {25.0, TSpeedVerdict::TooFast},   {25.01, TSpeedVerdict::Unfollowable},
  };
  for (const auto& [speed, verdict] : cases) EXPECT_EQ(JudgeSpeed(speed), verdict) << speed;
}

TEST(PathSpeed, WarnsOfEachFlaggedSegmentButNotOfAWait) {
  // The second path waits 30 ticks at the exit before it leaves.
  TMapContent map{"M", 71, 0, {{{0, 0, 100}}, {{0, 0, 10}, {71, 0, 30}}}};
  EXPECT_EQ(FindSpeedWarnings(map),
            (std::vector<std::string>{
                "path 1, waypoint 1: 0.71 px/tick is slower than 1.0 px/tick: too easy, a decent "
                "player lasts over 5 minutes",
                "path 2, waypoint 1: 7.10 px/tick is faster than 2.0 px/tick: too hard, a decent "
                "player lasts under 45 s"}));
}

TEST(PathSpeed, FramesForASpeedStayInTheStoredRange) {
  // 2.5 ticks round to even; no walk takes 0 ticks or more than the stored 65535.
  const std::tuple<double, double, std::uint16_t> cases[] = {
      {310, 6.2, 50}, {5, 2, 2}, {0, 1.5, 1}, {100, 0, 1}, {1e9, 0.001, 65535}};
  for (const auto& [distance, speed, frames] : cases)
    EXPECT_EQ(FramesForSpeed(distance, speed), frames) << distance << " at " << speed;
}

}  // namespace
}  // namespace sk
