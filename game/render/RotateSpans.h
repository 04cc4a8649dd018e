#pragma once
// Which pixels of a destination row a turned, scaled frame covers, worked out exactly from
// the 16.16 stepping the drawing uses.
#include <algorithm>
#include <cstdint>

#include "game/render/Geometry.h"
#include "game/render/Surface.h"

namespace sk::draw {

// The turned, scaled frame: which destination pixels it covers and where each one samples.
struct TRotation {
  int X0 = 0, Y0 = 0, X1 = -1, Y1 = -1;  // visited area, inclusive, inside the surface
  double X, Y, Cos, Sin, PivotU, PivotV, ScaleU, ScaleV;
};

// The frame `fr` as DrawImageRotate places it (w x h, turned by angle/256 of a turn about
// (w * cx, h * cy), which lands on (x, y)); false when it covers nothing of the surface.
bool MakeRotation(const TRect& fr, const TSurface& surface, int x, int y, int w, int h, double cx,
                  double cy, int angle, TRotation& r);

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
