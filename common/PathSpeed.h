#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/MapFormat.h"

// How fast the models walk a map's paths: pixels per frame tick, the figure that sets how hard
// a map is. SKMAP, SKVIEW and the map editor all judge a segment by these functions, so an
// author sees the same verdict wherever the map is looked at.
namespace sk {

// The speeds at which the balance tool's decent player finds a map playable, measured with
// SKBALANCE (ten seeds) on the six shipped layouts with every waypoint's frames scaled: below
// 1.0 px/tick the decent player outlasts the Easy band (5 minutes) on all of them, and above
// 2.0 px/tick falls short of the Hard band (45 seconds) on all of them. The shipped maps walk
// at 1.16 to 1.82.
inline constexpr double kSlowestPlayableSpeed = 1.0;
inline constexpr double kFastestPlayableSpeed = 2.0;
// Faster than this, a model jumps farther in one tick than half its box (50 px) is wide: by
// the time a click on the drawn model arrives, the model has left the spot.
inline constexpr double kFastestFollowableSpeed = 25.0;

enum class TSpeedVerdict {
  Playable,
  TooSlow,       // below kSlowestPlayableSpeed, but moving: a model standing still waits
  TooFast,       // above kFastestPlayableSpeed
  Unfollowable,  // above kFastestFollowableSpeed
};

// One segment of a path: from waypoint `Index` to the next one (the final waypoint after the
// last), walked in `Frames` ticks.
struct TSegmentSpeed {
  std::size_t Index = 0;
  double Distance = 0;  // pixels, straight line
  std::uint16_t Frames = 0;
  double Speed = 0;  // Distance / Frames; a segment of 0 frames is a jump of Distance
  TSpeedVerdict Verdict = TSpeedVerdict::Playable;
};

// The segments of `path` ending at the map's final waypoint (FinalX, FinalY).
std::vector<TSegmentSpeed> PathSegmentSpeeds(const std::vector<TWayPoint>& path,
                                             std::int16_t final_x, std::int16_t final_y);

// The whole path's mean speed: its length over its ticks. Nothing for a path of no ticks.
std::optional<double> PathMeanSpeed(const std::vector<TWayPoint>& path, std::int16_t final_x,
                                    std::int16_t final_y);

// The verdict on a speed as it is shown, to the hundredth of a px/tick.
TSpeedVerdict JudgeSpeed(double speed);

// The frames that walk `distance` at `speed` px/tick, rounded to the nearest and kept within
// 1..65535 (the stored range).
std::uint16_t FramesForSpeed(double distance, double speed);

// One line per segment whose verdict is not Playable, naming the path (from 1) and waypoint
// (from 1), e.g. "path 2, waypoint 3: 7.10 px/tick is faster than 2.0 px/tick ...".
std::vector<std::string> FindSpeedWarnings(const TMapContent& content);

// A speed as SKMAP and SKVIEW print it: "1.42".
std::string SpeedText(double speed);

// A path's speed in one phrase: its mean, and the slowest and fastest segment when it has
// several, e.g. "1.42 px/tick (segments 0.90 to 1.80)".
std::string DescribePathSpeed(const std::vector<TWayPoint>& path, std::int16_t final_x,
                              std::int16_t final_y);

}  // namespace sk
