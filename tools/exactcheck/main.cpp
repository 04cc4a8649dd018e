// EXACTCHECK: a one-off proof, run by hand on x86-64, that the integer and table forms of the
// game's arithmetic give exactly what the floating-point forms they replaced gave there.
// Each check goes over its whole range (or a large sample of it), counts the cases and the
// differences, and says how long it took. Elsewhere the old forms round differently, which
// is why they were replaced; there it only says so.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>

#include "common/PathSpeed.h"
#include "game/frontend/GameDrawing.h"
#include "game/frontend/SKIntro.h"
#include "game/maps/PathRounding.h"
#include "game/render/Draw.h"
#include "tools/skbalance/Players.h"

namespace {

struct TCount {
  std::uint64_t Cases = 0;
  std::uint64_t Differ = 0;
  void Add(bool same) {
    ++Cases;
    if (!same) ++Differ;
  }
};

// How the paths were walked: long double quotient, then product, then lrint.
long OldStep(long num, long double den, long mult) {
  return std::lrint(static_cast<long double>(num) / den * mult);
}

// The leading axis: every extent v, frame count F and step t < F.
TCount CheckLeadingAxis(int limit) {
  TCount count;
  for (long v = 0; v <= limit; ++v)
    for (long frames = 1; frames <= limit; ++frames)
      for (long t = 0; t < frames; ++t)
        count.Add(sk::ScaledStep(v, frames, t) == OldStep(v, frames, t));
  return count;
}

// The following axis: every pair of extents dx <= dy and every offset 0 .. dy of the other.
TCount CheckFollowingAxis(int limit) {
  TCount count;
  for (long dy = 1; dy <= limit; ++dy)
    for (long dx = 0; dx <= dy; ++dx)
      for (long o = 0; o <= dy; ++o) count.Add(sk::ScaledStep(dx, dy, o) == OldStep(dx, dy, o));
  return count;
}

// The rotation and wave table: bit for bit the library's cosines it was made from.
TCount CheckCosTable() {
  TCount count;
  for (int i = 0; i < 256; ++i) {
    count.Add(sk::Cos256(i) == std::cos(2.0 * std::numbers::pi * i / 256.0));
  }
  return count;
}

// The intro's hop, at every tick of every step and past their ends.
TCount CheckIntroHop() {
  TCount count;
  for (int step = 0; step < sk::kIntroSteps; ++step) {
    for (int tick = 0; tick <= 4 * sk::IntroDurations[static_cast<std::size_t>(step)]; ++tick) {
      const sk::TIntroState intro{step, tick};
      const long double degrees = sk::IntroProgress(intro, 540);
      const long double s = std::sin(degrees * std::numbers::pi_v<long double> / 180);
      const sk::TIntroHop hop = sk::IntroModelHop(intro);
      count.Add(hop.Y == 320 - std::abs(static_cast<int>(std::nearbyint(s * 100))) &&
                hop.Angle == static_cast<int>(std::nearbyint(s * 40)));
    }
  }
  return count;
}

// The rail trail's turn for every shot point in a wide box around the screen.
TCount CheckRailTrail() {
  TCount count;
  for (int y = -1000; y < 1480; ++y) {
    for (int x = -1000; x < 1640; ++x) {
      const double dx = 320.0 - x, dy = 480.0 - y;
      double degrees = 0;
      if (x != 320) {
        const double a = std::atan(dy / dx) * 180.0 / std::numbers::pi;
        degrees = x > 320 ? a + 90 : a - 90;
      }
      const int old = static_cast<int>(std::nearbyint(degrees * 255 / 360));
      count.Add(sk::PlaceRailTrail({x, y}, 1).Angle == old);
    }
  }
  return count;
}

// A segment's length in pixels: the square root of the exact sum of the squares, which is
// the correctly rounded length, against the library's hypot, for every pair of extents
// dx >= dy. The library is one unit in the last place off now and then (and may be off
// differently on another processor), never more, and never on a whole length: only a speed
// within a unit of a printed or judged boundary could show it.
TCount CheckSegmentLengths() {
  TCount count;
  std::uint64_t lastPlace = 0;
  for (int dx = 0; dx <= 65535; ++dx) {
    for (int dy = 0; dy <= dx; ++dy) {
      const double x = dx, y = dy;
      const double exact = std::sqrt(x * x + y * y), library = std::hypot(x, y);
      lastPlace += exact != library;
      const bool whole = exact == std::floor(exact);
      count.Add(exact == library || (!whole && std::nextafter(exact, library) == library));
    }
  }
  const sk::TWayPoint from{-32768, -32768, 1};
  const double length = sk::PathSegmentSpeeds({from}, 32767, -32768)[0].Distance;
  count.Add(length == 65535.0);
  std::printf("  (the library's hypot is one unit in the last place off in %llu of them)\n",
              static_cast<unsigned long long>(lastPlace));
  return count;
}

// The balance tool's aim scatter, draw by draw, against the library's logarithm and cosine on
// the same uniform numbers (the tool's SplitMix64 generator, restated).
TCount CheckAimScatter(std::uint64_t draws) {
  TCount count;
  sk::balance::TAimError error(1);
  std::uint64_t state = 1;
  const auto uniform = [&state] {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return (static_cast<double>((z ^ (z >> 31)) >> 11) + 0.5) * 0x1.0p-53;
  };
  for (std::uint64_t i = 0; i < draws; ++i) {
    const double radius = std::sqrt(-2.0 * std::log(uniform()));
    const double angle = 2.0 * std::numbers::pi * uniform();
    const sk::TPoint p = error.Draw(sk::balance::kDecentAimSigma);
    const double r = sk::balance::kDecentAimSigma * radius;
    count.Add(p.X == static_cast<int>(std::nearbyint(r * std::cos(angle))) &&
              p.Y == static_cast<int>(std::nearbyint(r * std::sin(angle))));
  }
  return count;
}

template <typename Check>
bool Report(const char* name, Check check) {
  const auto start = std::chrono::steady_clock::now();
  const TCount count = check();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%-40s %12llu cases %8llu differ %8.1f s\n", name,
              static_cast<unsigned long long>(count.Cases),
              static_cast<unsigned long long>(count.Differ), took.count());
  return count.Differ == 0;
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each result as soon as it is known
  if (std::numeric_limits<long double>::digits != 64) {
    std::puts("long double is not the 80-bit type here: nothing to compare with");
    return 0;
  }
  bool same = true;
  same &= Report("paths, leading axis (v, F <= 1023)", [] { return CheckLeadingAxis(1023); });
  same &=
      Report("paths, following axis (dx <= dy <= 1023)", [] { return CheckFollowingAxis(1023); });
  same &= Report("rotation and wave table", CheckCosTable);
  same &= Report("intro hop", CheckIntroHop);
  same &= Report("rail trail turn", CheckRailTrail);
  same &= Report("segment lengths, at most 1 ulp (dy <= dx <= 65535)", CheckSegmentLengths);
  same &= Report("aim scatter (10^8 draws)", [] { return CheckAimScatter(100000000); });
  return same ? 0 : 1;
}
