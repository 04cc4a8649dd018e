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

}  // namespace

TAxis Axis(std::int64_t step, int pixels) {
  return {step, std::int64_t{pixels} << 16, step == 0 ? 0.0 : 1.0 / static_cast<double>(step)};
}

TSpan RunInside(std::int64_t u0, std::int64_t v0, const TAxis& across, const TAxis& down,
                std::int64_t n) {
  const TSpan u = SpanInside(u0, across, n);
  if (u.First >= u.End) return u;
  // Positions move in a straight line: inside at both ends means inside all along.
  if (Inside(v0, down, u.First) && Inside(v0, down, u.End - 1)) return u;
  const TSpan v = SpanInside(v0, down, n);
  return {std::max(u.First, v.First), std::min(u.End, v.End)};
}

}  // namespace sk::draw
