#include "common/PathSpeed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sk {
namespace {

TSegmentSpeed MeasureSegment(std::size_t index, const TWayPoint& from, std::int16_t to_x,
                             std::int16_t to_y) {
  TSegmentSpeed s;
  s.Index = index;
  // The squares of whole numbers below 2^16 add up exactly, and a square root is rounded
  // alike on every processor, which the library's hypot does not promise.
  const double dx = double(to_x) - from.X, dy = double(to_y) - from.Y;
  s.Distance = std::sqrt(dx * dx + dy * dy);
  s.Frames = from.Frames;
  // A segment of no ticks is a jump: the game puts the model on the next waypoint within the
  // one tick that ends the segment before, so it covers the whole distance in that tick.
  s.Speed = from.Frames == 0 ? s.Distance : s.Distance / from.Frames;
  // Standing on one spot is a deliberate wait (the shipped maps have some), not a slow walk.
  s.Verdict = s.Distance == 0 ? TSpeedVerdict::Playable : JudgeSpeed(s.Speed);
  return s;
}

// Speeds are shown to the hundredth and judged as shown, so a warning never reads
// "2.00 px/tick is faster than 2.0 px/tick".
double ShownSpeed(double speed) { return std::nearbyint(speed * 100) / 100; }

std::string Describe(const TSegmentSpeed& s) {
  char line[160];
  const double speed = ShownSpeed(s.Speed);
  switch (s.Verdict) {
    case TSpeedVerdict::TooSlow:
      std::snprintf(line, sizeof line,
                    "%.2f px/tick is slower than %.1f px/tick: too easy, a decent player lasts "
                    "over 5 minutes",
                    speed, kSlowestPlayableSpeed);
      break;
    case TSpeedVerdict::TooFast:
      std::snprintf(
          line, sizeof line,
          "%.2f px/tick is faster than %.1f px/tick: too hard, a decent player lasts under 45 s",
          speed, kFastestPlayableSpeed);
      break;
    case TSpeedVerdict::Unfollowable:
      std::snprintf(line, sizeof line,
                    "%.2f px/tick jumps farther than the cross-hair can follow (over %.0f px/tick)",
                    speed, kFastestFollowableSpeed);
      break;
    case TSpeedVerdict::Playable:
      line[0] = 0;
      break;
  }
  return line;
}

}  // namespace

TSpeedVerdict JudgeSpeed(double raw_speed) {
  const double speed = ShownSpeed(raw_speed);
  if (speed > kFastestFollowableSpeed) return TSpeedVerdict::Unfollowable;
  if (speed > kFastestPlayableSpeed) return TSpeedVerdict::TooFast;
  if (speed < kSlowestPlayableSpeed) return TSpeedVerdict::TooSlow;
  return TSpeedVerdict::Playable;
}

std::vector<TSegmentSpeed> PathSegmentSpeeds(const std::vector<TWayPoint>& path,
                                             std::int16_t final_x, std::int16_t final_y) {
  std::vector<TSegmentSpeed> speeds;
  speeds.reserve(path.size());
  for (std::size_t k = 0; k < path.size(); ++k) {
    const bool last = k + 1 == path.size();
    speeds.push_back(
        MeasureSegment(k, path[k], last ? final_x : path[k + 1].X, last ? final_y : path[k + 1].Y));
  }
  return speeds;
}

std::optional<double> PathMeanSpeed(const std::vector<TWayPoint>& path, std::int16_t final_x,
                                    std::int16_t final_y) {
  double distance = 0;
  std::uint64_t frames = 0;
  for (const TSegmentSpeed& s : PathSegmentSpeeds(path, final_x, final_y)) {
    distance += s.Distance;
    frames += s.Frames;
  }
  if (frames == 0) return std::nullopt;
  return distance / double(frames);
}

std::uint16_t FramesForSpeed(double distance, double speed) {
  if (!(speed > 0) || !std::isfinite(distance)) return 1;
  const double frames = std::nearbyint(distance / speed);
  return static_cast<std::uint16_t>(std::clamp(frames, 1.0, 65535.0));
}

std::vector<std::string> FindSpeedWarnings(const TMapContent& content) {
  std::vector<std::string> warnings;
  for (std::size_t p = 0; p < content.Paths.size(); ++p) {
    for (const TSegmentSpeed& s :
         PathSegmentSpeeds(content.Paths[p], content.FinalX, content.FinalY)) {
      if (s.Verdict == TSpeedVerdict::Playable) continue;
      warnings.push_back("path " + std::to_string(p + 1) + ", waypoint " +
                         std::to_string(s.Index + 1) + ": " + Describe(s));
    }
  }
  return warnings;
}

std::string SpeedText(double speed) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", ShownSpeed(speed));
  return text;
}

std::string DescribePathSpeed(const std::vector<TWayPoint>& path, std::int16_t final_x,
                              std::int16_t final_y) {
  const auto mean = PathMeanSpeed(path, final_x, final_y);
  if (!mean) return "no ticks to walk";
  const auto segments = PathSegmentSpeeds(path, final_x, final_y);
  std::string text = SpeedText(*mean) + " px/tick";
  if (segments.size() < 2) return text;
  const auto [slowest, fastest] = std::minmax_element(
      segments.begin(), segments.end(),
      [](const TSegmentSpeed& a, const TSegmentSpeed& b) { return a.Speed < b.Speed; });
  return text + " (segments " + SpeedText(slowest->Speed) + " to " + SpeedText(fastest->Speed) +
         ")";
}

}  // namespace sk
