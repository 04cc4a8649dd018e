#pragma once
// Which pixels of a destination row a turned, scaled frame covers, worked out exactly from
// the 16.16 stepping the drawing uses.
#include <algorithm>
#include <cstdint>

namespace sk::draw {

// floor(v * 65536), without a library call: this runs twice per row.
inline std::int64_t ToFixed(double v) {
  const double scaled = std::clamp(v, -4.0e12, 4.0e12) * 65536.0;
  const auto whole = static_cast<std::int64_t>(scaled);
  return whole - (static_cast<double>(whole) > scaled ? 1 : 0);
}

// One axis of the frame as a row's pixels step through it: pixel k of the row samples at
// 16.16 position start + k * Step, which is inside while 0 <= position < Limit.
struct TAxis {
  std::int64_t Step, Limit;
  double Inverse;  // 1 / Step, for a first guess at where a row enters and leaves
};

// The axis of a frame `pixels` wide (or high) stepped by `step`.
TAxis Axis(std::int64_t step, int pixels);

// Pixels [First, End) of a row.
struct TSpan {
  std::int64_t First, End;
};

// The runs of consecutive rows: the pixels k in 0 .. n - 1 of a row starting at (u0, v0) whose
// sample lies inside the frame on both axes, exactly those for which 0 <= u0 + k * across.Step
// < across.Limit and the same down. Where the frame's sides cross a row moves by the same
// amount from one row to the next, so each row's ends across are guessed from the last row's
// and only checked; a guess that fails the check is worked out afresh.
class TRowRuns {
 public:
  // `rowStep`: how far the position across (16.16, before rounding down) moves from a row to
  // the next.
  TRowRuns(const TAxis& across, const TAxis& down, std::int64_t n, double rowStep);
  TSpan Next(std::int64_t u0, std::int64_t v0);

 private:
  bool Guess(std::int64_t u0, TSpan& span);
  void Track(std::int64_t u0);

  TAxis across_, down_;
  std::int64_t n_;
  bool canTrack_ = false;
  bool tracking_ = false;
  // In 32.32 pixels: how far both ends move per row, and where they were guessed last.
  std::int64_t slope_ = 0, first_ = 0, end_ = 0;
};

}  // namespace sk::draw
