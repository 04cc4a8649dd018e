#include "game/frontend/SKIntro.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "game/audio/SKSound.h"
#include "game/frontend/IntroDrawing.h"
#include "game/frontend/ScreenChanges.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"

namespace sk {
namespace {

std::int32_t StepDuration(std::int32_t step) {
  // The step only ever comes from EnterIntro and IntroFrame, but a bad index must not read
  // past the table.
  if (step < 0 || step >= kIntroSteps) return IntroDurations[0];
  return IntroDurations[static_cast<std::size_t>(step)];
}

int RoundToEven(long double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

int IntroProgress(const TIntroState& intro, int n) {
  // n x tick / duration exactly, in integers, so that every machine draws the same frames:
  // halves such as 510 x 93 / 124 = 382.5 round to even, which floating point (divided
  // first, then multiplied) gets right only where its precision happens to suffice.
  const std::int64_t duration = StepDuration(intro.IntroStep);
  const std::int64_t product = std::int64_t{n} * intro.IntroTick;
  std::int64_t quotient = product / duration;
  std::int64_t rest = product % duration;
  if (rest < 0) {  // the floor, for a negative n
    --quotient;
    rest += duration;
  }
  if (2 * rest > duration || (2 * rest == duration && quotient % 2 != 0)) ++quotient;
  return static_cast<int>(quotient);
}

TIntroHop IntroModelHop(const TIntroState& intro) {
  const long double degrees = IntroProgress(intro, 540);
  const long double s = std::sin(degrees * std::numbers::pi_v<long double> / 180);
  TIntroHop hop;
  hop.X = IntroProgress(intro, 640);
  hop.Y = 320 - std::abs(RoundToEven(s * 100));
  hop.Angle = RoundToEven(s * 40);
  return hop;
}

void IntroFrame(Application& app) {
  if (!app.DXDraw->CanDraw()) return;
  TIntroState& intro = app.Intro;
  if (intro.IntroTick >= StepDuration(intro.IntroStep)) {
    // The sounds start with the first tick of the step that follows.
    if (intro.IntroStep == kIntroSlideStep) PlaySample(app.SoundModule(), kSlide);
    if (intro.IntroStep == kIntroModelDeathStep) PlaySample(app.SoundModule(), kModelDeath);
    if (intro.IntroStep >= kIntroSteps - 1) {
      EnterMenu(app, kMenuPageMain);
      return;
    }
    ++intro.IntroStep;
    intro.IntroTick = 0;
  }
  ++intro.IntroTick;
  DrawIntroPictures(app);
  DrawIntroCaptions(app);
  app.DXDraw->Flip();
}

// Skipping is silent: the menu's own sounds are for the menu.
void IntroKeyDown(Application& app) { EnterMenu(app, kMenuPageMain); }

void IntroClick(Application& app) { EnterMenu(app, kMenuPageMain); }

}  // namespace sk
