#include "game/play/SKGame.h"

#include "game/shell/Application.h"
#include "game/shell/InputEvent.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"

namespace sk {
namespace {
constexpr std::uint16_t kVkPause = 19;

void LeaveMatch(Application& app) { EnterMenu(app, kMenuPageMaps); }
}  // namespace

void StartMatch(Application& app) {
  TGameState& game = app.Game;
  game.Frags = 0;
  game.Health = 100;
  game.TrailTime = 0;
  game.ReloadTime = 0;
  game.ChatTime = 0;
  if (app.Settings.TestMode) {
    game.MatchState = TMatchState::Running;
    game.CountdownTime = 0;
  } else {
    game.MatchState = TMatchState::Countdown;
    game.CountdownTime = kCountdownTicks;
  }
}

void GameStep(Application& app) {
  if (!app.DXDraw->CanDraw()) return;
  FillSurface(app.Graphics.BackSurface, 0);
  app.DXDraw->Flip();
}

void GameKeyDown(Application& app, std::uint16_t key) {
  TGameState& game = app.Game;
  switch (game.MatchState) {
    case TMatchState::Countdown:
      if (key == kVkEscape) LeaveMatch(app);
      break;
    case TMatchState::Running:
      if (key == kVkEscape) {
        if (app.Settings.TestMode) {
          CloseMainWindow(app);
        } else {
          LeaveMatch(app);
        }
      } else if (key == kVkPause) {
        game.MatchState = TMatchState::Paused;
      }
      break;
    case TMatchState::Paused:
      game.MatchState = TMatchState::Running;
      break;
    case TMatchState::MatchOver:
      LeaveMatch(app);
      break;
  }
}

void FireRailgun(Application&) {}

}  // namespace sk
