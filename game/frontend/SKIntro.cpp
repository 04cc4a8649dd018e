#include "game/frontend/SKIntro.h"

#include <array>
#include <cstdlib>

#include "game/audio/SKSound.h"
#include "game/frontend/IntroDrawing.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/frontend/ScreenFrame.h"
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

// round(100 sin d) and round(40 sin d) for d = 0 .. 90 degrees; the rest of the wave mirrors
// this quarter. The hop is the same on every machine, which a library sine does not promise;
// no entry is within 0.003 of a half, so these are what any exact sine rounds to.
constexpr std::array<std::uint8_t, 91> kHopHeight = {
    0,  2,  3,  5,  7,  9,  10, 12, 14, 16, 17, 19, 21, 22, 24, 26, 28,  29,  31,  33,  34,  36, 37,
    39, 41, 42, 44, 45, 47, 48, 50, 52, 53, 54, 56, 57, 59, 60, 62, 63,  64,  66,  67,  68,  69, 71,
    72, 73, 74, 75, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 87, 88,  89,  90,  91,  91,  92, 93,
    93, 94, 95, 95, 96, 96, 97, 97, 97, 98, 98, 98, 99, 99, 99, 99, 100, 100, 100, 100, 100, 100};
constexpr std::array<std::uint8_t, 91> kHopTilt = {
    0,  1,  1,  2,  3,  3,  4,  5,  6,  6,  7,  8,  8,  9,  10, 10, 11, 12, 12, 13, 14, 14, 15,
    16, 16, 17, 18, 18, 19, 19, 20, 21, 21, 22, 22, 23, 24, 24, 25, 25, 26, 26, 27, 27, 28, 28,
    29, 29, 30, 30, 31, 31, 32, 32, 32, 33, 33, 34, 34, 34, 35, 35, 35, 36, 36, 36, 37, 37, 37,
    37, 38, 38, 38, 38, 38, 39, 39, 39, 39, 39, 39, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40};

// The quarter wave's entry for any whole number of degrees, with the sine's sign.
int SineEntry(const std::array<std::uint8_t, 91>& quarter, int degrees) {
  int d = (degrees % 360 + 360) % 360;
  const int sign = d >= 180 ? -1 : 1;
  d %= 180;
  return sign * quarter[static_cast<std::size_t>(d > 90 ? 180 - d : d)];
}

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
  const int degrees = IntroProgress(intro, 540);
  TIntroHop hop;
  hop.X = IntroProgress(intro, 640);
  hop.Y = 320 - std::abs(SineEntry(kHopHeight, degrees));
  hop.Angle = SineEntry(kHopTilt, degrees);
  return hop;
}

void IntroFrame(Application& app) {
  if (!app.DXDraw->CanDraw()) return;
  TIntroState& intro = IntroRecord(app);
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
  DrawIntroPictures(app.Graphics, intro, MenuRecord(app).BackgroundOffset);
  DrawIntroCaptions(ScreenFrame(app), intro, app.Models);
  app.DXDraw->Flip();
}

// Skipping is silent: the menu's own sounds are for the menu.
void IntroKeyDown(Application& app) { EnterMenu(app, kMenuPageMain); }

void IntroClick(Application& app) { EnterMenu(app, kMenuPageMain); }

}  // namespace sk
