#include "game/frontend/SKIntro.h"

#include "game/audio/SKSound.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"

namespace sk {

void IntroFrame(Application& app) {
  if (!app.DXDraw->CanDraw()) return;
  TIntroState& intro = app.Intro;
  if (intro.IntroTick == IntroDurations[static_cast<std::size_t>(intro.IntroStep)]) {
    // The sounds start with the first tick of the step that follows.
    if (intro.IntroStep == 17) PlaySample(app.SoundModule(), kSlide);
    if (intro.IntroStep == 20) PlaySample(app.SoundModule(), kModelDeath);
    if (intro.IntroStep == kIntroSteps - 1) {
      EnterMenu(app, kMenuPageMain);
      return;
    }
    ++intro.IntroStep;
    intro.IntroTick = 0;
  }
  ++intro.IntroTick;
  FillSurface(app.Graphics.BackSurface, 0);
  app.DXDraw->Flip();
}

void IntroKeyDown(Application& app) { EnterMenu(app, kMenuPageMain); }

void IntroClick(Application& app) { EnterMenu(app, kMenuPageMain); }

}  // namespace sk
