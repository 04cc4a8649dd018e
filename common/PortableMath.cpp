#include "common/PortableMath.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace sk {
namespace {

// Each series is summed from its smallest term up, in a fixed order, so the same operands
// give the same bits everywhere. Twelve terms reach far below the last place on the ranges
// the arguments are brought into.
constexpr int kTerms = 12;

// atan(x) = x - x^3/3 + x^5/5 - ..., for |x| <= tan(pi/16).
double AtanSeries(double x) {
  const double x2 = x * x;
  double sum = 1.0 / (2 * kTerms + 1);
  for (int k = kTerms - 1; k >= 0; --k) sum = 1.0 / (2 * k + 1) - x2 * sum;
  return x * sum;
}

// log((1 + s) / (1 - s)) = 2 (s + s^3/3 + s^5/5 + ...), for |s| <= 0.18.
double LogRatioSeries(double s) {
  const double s2 = s * s;
  double sum = 1.0 / (2 * kTerms + 1);
  for (int k = kTerms - 1; k >= 0; --k) sum = 1.0 / (2 * k + 1) + s2 * sum;
  return 2 * s * sum;
}

// cos and sin of a, for 0 <= a <= pi/4, from their Taylor series written as nested products.
TCosSin CosSinSeries(double a) {
  const double a2 = a * a;
  double c = 1, s = 1;
  for (int k = kTerms - 1; k >= 1; --k) {
    c = 1 - c * a2 / ((2 * k - 1) * (2 * k));
    s = 1 - s * a2 / ((2 * k) * (2 * k + 1));
  }
  return {c, a * s};
}

}  // namespace

double PortableAtan(double x) {
  if (std::isnan(x)) return x;
  if (x < 0) return -PortableAtan(-x);
  if (x > 1) return std::numbers::pi / 2 - PortableAtan(1 / x);
  // Halving the angle twice, atan(x) = 2 atan(x / (1 + sqrt(1 + x^2))), brings x to tan(pi/16).
  for (int halvings = 0; halvings < 2; ++halvings) x = x / (1 + std::sqrt(1 + x * x));
  return 4 * AtanSeries(x);
}

double PortableLog(double x) {
  // x = m 2^e with m in [sqrt(1/2), sqrt(2)); frexp only takes the bits apart.
  int e = 0;
  double m = std::frexp(x, &e);
  if (m < std::numbers::sqrt2 / 2) {
    m *= 2;
    --e;
  }
  // ln 2 in two parts: e times the first is exact, so only the small second part rounds.
  constexpr double kLn2High = 0x1.62e42feep-1;
  constexpr double kLn2Low = 0x1.a39ef35793c76p-33;
  return e * kLn2High + (LogRatioSeries((m - 1) / (m + 1)) + e * kLn2Low);
}

TCosSin TurnCosSin(double turns) {
  // Quarter turns are taken off exactly; an eighth or less is left to the series.
  const double quarters = 4 * turns;
  const double whole = std::floor(quarters);
  double rest = quarters - whole;
  const bool mirrored = rest > 0.5;
  if (mirrored) rest = 1 - rest;
  TCosSin r = CosSinSeries(rest * (std::numbers::pi / 2));
  if (mirrored) std::swap(r.Cos, r.Sin);
  // Each quarter turn maps (cos, sin) to (-sin, cos).
  for (int q = static_cast<int>(whole) & 3; q > 0; --q) r = {-r.Sin, r.Cos};
  return r;
}

}  // namespace sk
