#include "tools/skbalance/Players.h"

#include <algorithm>
#include <cmath>

#include "common/PortableMath.h"

namespace sk::balance {
namespace {

// The models of `field` worth a look, nearest to the exit first (ties: the lower path).
std::vector<std::size_t> NearestToExitFirst(const TSeenField& field, TPoint exit,
                                            bool (*wanted)(const TSeenModel&)) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < field.size(); ++i)
    if (wanted(field[i])) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return DistanceToExit(field[a].Box, exit) < DistanceToExit(field[b].Box, exit);
  });
  return order;
}

// Whether a shot at `a` beats one at `b` (or none), `boxes` nearest to the exit first: it kills
// more models, or as many and the nearest model only one of the two kills is its own.
bool Better(const std::vector<TRect>& boxes, TPoint a, const std::optional<TPoint>& b) {
  const auto kills = [](const TRect& box, const std::optional<TPoint>& p) {
    return p && box.Contains(p->X, p->Y);
  };
  int more = 0;
  for (const TRect& box : boxes) more += int{kills(box, a)} - int{kills(box, b)};
  if (more != 0) return more > 0;
  for (const TRect& box : boxes) {
    if (kills(box, a) != kills(box, b)) return kills(box, a);
  }
  return false;
}

std::vector<int> Cuts(const std::vector<TRect>& boxes, int TRect::*low, int TRect::*high, int end) {
  std::vector<int> cuts = {0, end};
  for (const TRect& box : boxes)
    for (const int edge : {box.*low, box.*high}) cuts.push_back(std::clamp(edge, 0, end));
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  return cuts;
}

}  // namespace

long DistanceToExit(const TRect& box, TPoint exit) {
  const long dx = box.Left + box.Width() / 2 - exit.X, dy = box.Bottom - exit.Y;
  return dx * dx + dy * dy;
}

std::uint64_t TAimError::Next() {
  // SplitMix64: small, fast and the same everywhere.
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double TAimError::Uniform() { return (static_cast<double>(Next() >> 11) + 0.5) * 0x1.0p-53; }

TPoint TAimError::Draw(double sigma) {
  // Box-Muller: two uniform numbers give two independent normal ones. The portable functions
  // keep a seed's matches, and so the balance figures, the same on every machine.
  const double radius = std::sqrt(-2.0 * PortableLog(Uniform()));
  const TCosSin turn = TurnCosSin(Uniform());
  return TPoint{static_cast<int>(std::nearbyint(sigma * radius * turn.Cos)),
                static_cast<int>(std::nearbyint(sigma * radius * turn.Sin))};
}

std::optional<TPoint> DecentAim(const TSeenField& seen, const TOpenGround& ground, TPoint exit,
                                TAimError& error) {
  const auto onField = [](const TSeenModel& m) { return m.OnField; };
  for (const std::size_t i : NearestToExitFirst(seen, exit, onField)) {
    const std::optional<TPoint> aim = ground.NearestOpen(seen[i].Box);
    if (!aim) continue;  // wholly behind scenery: not seen at all
    const TPoint off = error.Draw(kDecentAimSigma);
    // The pointer cannot leave the game's picture.
    return TPoint{std::clamp(aim->X + off.X, 0, kScreenWidth - 1),
                  std::clamp(aim->Y + off.Y, 0, kScreenHeight - 1)};
  }
  return std::nullopt;
}

std::optional<TPoint> PerfectAim(const TSeenField& now, const TOpenGround& ground, TPoint exit) {
  const auto shootable = [](const TSeenModel& m) { return m.OnField && m.Shootable; };
  const std::vector<std::size_t> order = NearestToExitFirst(now, exit, shootable);
  if (order.empty()) return std::nullopt;
  std::vector<TRect> boxes;
  for (const std::size_t i : order) boxes.push_back(now[i].Box);
  const std::vector<int> xs = Cuts(boxes, &TRect::Left, &TRect::Right, kScreenWidth);
  const std::vector<int> ys = Cuts(boxes, &TRect::Top, &TRect::Bottom, kScreenHeight);
  // The cuts along every box edge split the screen into cells whose pixels all lie in the same
  // boxes. Row by row, a cell that beats the best one so far and shows open ground takes its
  // place: the best cell wins, and of equals the first.
  std::optional<TPoint> aim, best;  // the shot, and the corner of the cell it lies in
  for (std::size_t b = 0; b + 1 < ys.size(); ++b) {
    for (std::size_t a = 0; a + 1 < xs.size(); ++a) {
      const TPoint cell{xs[a], ys[b]};
      if (!Better(boxes, cell, best)) continue;
      if (const auto point = ground.FirstOpen(TRect{xs[a], ys[b], xs[a + 1], ys[b + 1]})) {
        aim = point;
        best = cell;
      }
    }
  }
  return aim;
}

}  // namespace sk::balance
