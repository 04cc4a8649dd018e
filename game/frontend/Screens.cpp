#include "game/shell/ScreenTable.h"

#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/play/SKGame.h"

namespace sk {

TScreenTable GameScreens() {
  TScreenTable screens;
  screens[kScreenGame - 1] = {GameStep, GameKeyDown, nullptr, FireRailgun};
  screens[kScreenMenu - 1] = {MenuStep, MenuKeyDown, MenuKeyPress, MenuClick};
  // Any key at all leaves the intro, whichever it was.
  screens[kScreenIntro - 1] = {IntroFrame, [](Application& app, std::uint16_t) { IntroKeyDown(app); },
                               nullptr, IntroClick};
  screens[kScreenCredits - 1] = {CreditsFrame, CreditsKeyDown, nullptr, CreditsClick};
  return screens;
}

}  // namespace sk
