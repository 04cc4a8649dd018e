#include "game/frontend/GameScreen.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/shell/Application.h"
#include "game/shell/ScreenTable.h"

// The one place that knows every screen: the shell routes through the table filled here, and
// holds the records made here without knowing what is in them.
namespace sk {

struct TScreenRecords {
  TGameState Game;
  TMenuState Menu;
  TIntroState Intro;
  TCreditsState Credits;
};

void TScreenRecordsDeleter::operator()(TScreenRecords* records) const { delete records; }

TScreenRecordsPtr MakeScreenRecords() { return TScreenRecordsPtr(new TScreenRecords); }

TGameState& GameRecord(Application& app) { return app.Records->Game; }
const TGameState& GameRecord(const Application& app) { return app.Records->Game; }
TMenuState& MenuRecord(Application& app) { return app.Records->Menu; }
const TMenuState& MenuRecord(const Application& app) { return app.Records->Menu; }
TIntroState& IntroRecord(Application& app) { return app.Records->Intro; }
const TIntroState& IntroRecord(const Application& app) { return app.Records->Intro; }
TCreditsState& CreditsRecord(Application& app) { return app.Records->Credits; }
const TCreditsState& CreditsRecord(const Application& app) { return app.Records->Credits; }

namespace {

// The first screen's entry: what start-up has to tell the player waits on the menu, shown on
// the first menu page whichever screen comes first.
template <void (*EnterScreen)(Application&)>
void EnterFirst(Application& app) {
  if (!app.StartNotice.empty()) ShowMenuNotice(MenuRecord(app), std::move(app.StartNotice));
  app.StartNotice.clear();
  EnterScreen(app);
}

// Entered from start-up, the menu opens on its main page.
void EnterMainMenu(Application& app) { EnterMenu(app, kMenuPageMain); }

}  // namespace

TScreenTable GameScreens() {
  TScreenTable screens;
  screens[kScreenGame - 1] = {EnterFirst<EnterGame>, GameStep, GameKeyDown, nullptr, FireRailgun};
  screens[kScreenMenu - 1] = {EnterFirst<EnterMainMenu>, MenuStep, MenuKeyDown, MenuKeyPress,
                              MenuClick};
  // Any key at all leaves the intro, whichever it was.
  screens[kScreenIntro - 1] = {EnterFirst<EnterIntro>, IntroFrame,
                               [](Application& app, std::uint16_t) { IntroKeyDown(app); }, nullptr,
                               IntroClick};
  screens[kScreenCredits - 1] = {EnterFirst<EnterCredits>, CreditsFrame, CreditsKeyDown, nullptr,
                                 CreditsClick};
  return screens;
}

}  // namespace sk
