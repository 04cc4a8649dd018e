#include "game/frontend/GameScreen.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/shell/ScreenTable.h"

// The one place that knows every screen: the shell routes through the table filled here.
namespace sk {

TScreenTable GameScreens() {
  TScreenTable screens;
  screens[kScreenGame - 1] = {EnterGame, GameStep, GameKeyDown, nullptr, FireRailgun};
  // Entered from start-up, the menu opens on its main page.
  screens[kScreenMenu - 1] = {[](Application& app) { EnterMenu(app, kMenuPageMain); }, MenuStep,
                              MenuKeyDown, MenuKeyPress, MenuClick};
  // Any key at all leaves the intro, whichever it was.
  screens[kScreenIntro - 1] = {EnterIntro, IntroFrame,
                               [](Application& app, std::uint16_t) { IntroKeyDown(app); }, nullptr,
                               IntroClick};
  screens[kScreenCredits - 1] = {EnterCredits, CreditsFrame, CreditsKeyDown, nullptr, CreditsClick};
  return screens;
}

}  // namespace sk
