#include "game/render/RotateSpans.h"

#include <algorithm>

namespace sk::draw {
namespace {

// The first k of 0 .. n - 1 at which holds(k), a predicate that stays true once true; n when
// there is none. `at` is where it turns true as a real number. When `at` is worked out from
// exact operands (`precise`) and lies clearly between two whole numbers, far beyond its
// rounding error (below 1e-6 for anything near a row), its ceiling is the answer; otherwise
// holds decides, starting from there.
template <typename Holds>
[[gnu::always_inline]] inline std::int64_t FirstTrue(double at, bool precise, std::int64_t n,
                                                     Holds holds) {
  constexpr double kMargin = 1.0 / 1024;
  const double clamped = std::clamp(at, -1.0, static_cast<double>(n) + 1.0);
  auto k = static_cast<std::int64_t>(clamped);
  if (static_cast<double>(k) < clamped) ++k;
  const bool clear =
      static_cast<double>(k) - clamped > kMargin && clamped - static_cast<double>(k - 1) > kMargin;
  k = std::clamp<std::int64_t>(k, 0, n);
  if (precise && clear) return k;
  while (k < n && !holds(k)) ++k;
  while (k > 0 && holds(k - 1)) --k;
  return k;
}

// The pixels k in 0 .. n - 1 of a row whose position on `axis` is inside the frame.
[[gnu::always_inline]] inline TSpan SpanInside(std::int64_t start, const TAxis& axis,
                                               std::int64_t n) {
  if (axis.Step == 0) return start >= 0 && start < axis.Limit ? TSpan{0, n} : TSpan{n, n};
  const auto at = [&](std::int64_t k) { return start + k * axis.Step; };
  const double atZero = static_cast<double>(-start) * axis.Inverse;
  const double atLimit = static_cast<double>(axis.Limit - start) * axis.Inverse;
  // Whole numbers below 2^52 are exact as doubles, and so are both numerators.
  constexpr std::int64_t kExact = std::int64_t{1} << 52;
  const bool precise = start > -kExact && start < kExact;
  if (axis.Step > 0) {
    return {FirstTrue(atZero, precise, n, [&](std::int64_t k) { return at(k) >= 0; }),
            FirstTrue(atLimit, precise, n, [&](std::int64_t k) { return at(k) >= axis.Limit; })};
  }
  return {FirstTrue(atLimit, precise, n, [&](std::int64_t k) { return at(k) < axis.Limit; }),
          FirstTrue(atZero, precise, n, [&](std::int64_t k) { return at(k) < 0; })};
}

// Whether pixel k of a row starting at `start` lies inside the frame on `axis`.
bool Inside(std::int64_t start, const TAxis& axis, std::int64_t k) {
  const std::int64_t at = start + k * axis.Step;
  return at >= 0 && at < axis.Limit;
}

// Whether pixel k lies at or past where the position on `axis` of a row starting at `start`
// crosses into the frame (`entering`) or out of it. Moving along the row in the step's
// direction, the position crosses 0 and then Limit; turned round, both are a lower bound.
bool Reached(std::int64_t start, const TAxis& axis, std::int64_t k, bool entering) {
  const std::int64_t position = start + k * axis.Step;
  if (axis.Step > 0) return position >= (entering ? 0 : axis.Limit);
  return position < (entering ? axis.Limit : 0);
}

// Pixel k is the first one reached: the one before it was not (k = 0 and k = n stand for the
// row's ends).
bool IsBoundary(std::int64_t start, const TAxis& axis, std::int64_t k, std::int64_t n,
                bool entering) {
  const bool before = k > 0 && Reached(start, axis, k - 1, entering);
  const bool at = k == n || Reached(start, axis, k, entering);
  return !before & at;
}

constexpr double kOne32 = 4294967296.0;                // 1.0 in 32.32
constexpr double kTrackLimit = 1073741824.0 * kOne32;  // 2^30 pixels in 32.32

std::int64_t Ceil32(std::int64_t x) { return (x + (std::int64_t{1} << 32) - 1) >> 32; }

}  // namespace

TRowRuns::TRowRuns(const TAxis& across, const TAxis& down, std::int64_t n, double rowStep)
    : across_(across), down_(down), n_(n) {
  const double slope = across.Step == 0 ? 0.0 : -rowStep * across.Inverse * kOne32;
  canTrack_ = across.Step != 0 && slope > -kTrackLimit && slope < kTrackLimit;
  if (canTrack_) slope_ = static_cast<std::int64_t>(slope);
}

void TRowRuns::Track(std::int64_t u0) {
  const double atZero = static_cast<double>(-u0) * across_.Inverse * kOne32;
  const double atLimit = static_cast<double>(across_.Limit - u0) * across_.Inverse * kOne32;
  const double entering = across_.Step > 0 ? atZero : atLimit;
  const double leaving = across_.Step > 0 ? atLimit : atZero;
  tracking_ = canTrack_ && entering > -kTrackLimit && entering < kTrackLimit &&
              leaving > -kTrackLimit && leaving < kTrackLimit;
  if (!tracking_) return;
  first_ = static_cast<std::int64_t>(entering);
  end_ = static_cast<std::int64_t>(leaving);
}

[[gnu::always_inline]] inline bool TRowRuns::Guess(std::int64_t u0, TSpan& span) {
  first_ += slope_;
  end_ += slope_;
  span = {std::clamp<std::int64_t>(Ceil32(first_), 0, n_),
          std::clamp<std::int64_t>(Ceil32(end_), 0, n_)};
  return IsBoundary(u0, across_, span.First, n_, true) &
         IsBoundary(u0, across_, span.End, n_, false);
}

TSpan TRowRuns::Next(std::int64_t u0, std::int64_t v0) {
  TSpan u;
  if (!tracking_ || !Guess(u0, u)) {
    u = SpanInside(u0, across_, n_);
    Track(u0);
  }
  if (u.First >= u.End) return u;
  // Positions move in a straight line: inside at both ends means inside all along.
  if (Inside(v0, down_, u.First) && Inside(v0, down_, u.End - 1)) return u;
  const TSpan v = SpanInside(v0, down_, n_);
  return {std::max(u.First, v.First), std::min(u.End, v.End)};
}

TAxis Axis(std::int64_t step, int pixels) {
  return {step, std::int64_t{pixels} << 16, step == 0 ? 0.0 : 1.0 / static_cast<double>(step)};
}

}  // namespace sk::draw
