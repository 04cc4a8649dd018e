#include "game/frontend/SKCredits.h"

#include "game/shell/Application.h"
#include "game/shell/InputEvent.h"
#include "game/shell/SKInit.h"

namespace sk {

void CreditsFrame(Application& app) {
  TCreditsState& credits = app.Credits;
  if (credits.CreditsHalfTick) {
    ++credits.CreditsCounter;
    credits.CreditsHalfTick = false;
  } else {
    credits.CreditsHalfTick = true;
  }
  if (app.DXDraw->CanDraw()) {
    FillSurface(app.Graphics.BackSurface, 0);
    app.DXDraw->Flip();
  }
  if (credits.CreditsCounter == kCreditsEnd) EnterMenu(app, kMenuPageMain);
}

void CreditsKeyDown(Application& app, std::uint16_t key) {
  if (key == kVkEscape) EnterMenu(app, kMenuPageMain);
}

void CreditsClick(Application& app) { EnterMenu(app, kMenuPageMain); }

}  // namespace sk
