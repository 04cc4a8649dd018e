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

// The pixels k in 0 .. n - 1 of a row starting at (u0, v0) whose sample lies inside the frame
// on both axes: exactly those for which 0 <= u0 + k * across.Step < across.Limit, and the same
// down.
TSpan RunInside(std::int64_t u0, std::int64_t v0, const TAxis& across, const TAxis& down,
                std::int64_t n);

}  // namespace sk::draw
