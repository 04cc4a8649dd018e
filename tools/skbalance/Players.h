#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "game/render/Geometry.h"
#include "tools/skbalance/OpenGround.h"

// The simulated players whose matches measure a map's difficulty. Each looks at the field and
// says where it would shoot now; the match around them runs on the game's own rules.
namespace sk::balance {

enum class TPlayerKind {
  Idle,     // never shoots
  Decent,   // a quick but human player: sees late, aims roughly, one model at a time
  Perfect,  // sees exactly, never misses, and takes as many models per shot as it can
};

// One walking model as a player sees it at one moment.
struct TSeenModel {
  bool OnField = false;    // walking: drawn and open to shots
  bool Shootable = false;  // ... and not yet on the exit's point, which it leaves at the next step
  TRect Box;               // ModelRect: ModelBoxAt its path point
};
using TSeenField = std::vector<TSeenModel>;

// How far (squared) the feet of a model with `box` stand from `exit`.
long DistanceToExit(const TRect& box, TPoint exit);

// The scatter of a human's aim: normally distributed pixel offsets from a generator of our own,
// so the game's random numbers stay exactly what a match draws, and a seed gives the same
// offsets on every machine.
class TAimError {
 public:
  explicit TAimError(std::uint64_t seed) : state_(seed) {}
  // One offset per axis, each of standard deviation `sigma`, rounded to whole pixels.
  TPoint Draw(double sigma);

 private:
  std::uint64_t Next();
  double Uniform();  // in (0, 1)
  std::uint64_t state_;
};

inline constexpr double kDecentAimSigma = 6.0;
// How many steps behind the field the decent player sees it: about a quarter of a second.
inline constexpr int kDecentDelaySteps = 15;

// The decent player's shot at the field `seen` (as it was kDecentDelaySteps ago): the visible
// model nearest to the exit, aimed at the open point of its box nearest the box's centre,
// scattered by `error` and kept on the screen. Nothing when no model is visible.
std::optional<TPoint> DecentAim(const TSeenField& seen, const TOpenGround& ground, TPoint exit,
                                TAimError& error);

// The perfect player's shot at the field as it is: an open point inside the boxes of as many
// shootable models as any open point is, preferring the models nearest to the exit. Nothing
// when no shootable model shows any open ground.
std::optional<TPoint> PerfectAim(const TSeenField& now, const TOpenGround& ground, TPoint exit);

}  // namespace sk::balance
