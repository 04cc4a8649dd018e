#include "game/frontend/GameScreen.h"

#include "game/frontend/Cursor.h"
#include "game/frontend/GameDrawing.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/frontend/ScreenFrame.h"
#include "game/platform/InputEvent.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"

namespace sk {
namespace {

void LeaveMatch(Application& app) { EnterMenu(app, kMenuPageMaps); }

void Play(Application& app, Effect effect) { PlaySample(app.SoundModule(), effect); }

std::string CurrentScoreFile(const Application& app) {
  const std::int32_t selected = MenuRecord(app).SelectedMap;
  if (selected < 0 || static_cast<std::size_t>(selected) >= app.MapList.size()) return {};
  return app.Paths.ScoreFile(app.MapList[static_cast<std::size_t>(selected)].FileName);
}

// The frags enter the selected map's table; the end message still shows the place won, and
// the menu then says when it was not kept.
void EnterScore(Application& app) {
  TGameState& game = GameRecord(app);
  const std::string file = CurrentScoreFile(app);
  // Without a selected map there is no table to enter the frags into.
  std::string problem;
  game.ScoreRank =
      file.empty() ? 0
                   : AddScore(app.ScoreTable, file, game.Frags, app.Settings.PlayerName, &problem);
  if (!problem.empty())
    ShowMenuNotice(MenuRecord(app), "Your score was not saved: " + ShortReason(problem) + ".");
}

constexpr Effect kCountdownCalls[] = {kFight, kOne, kTwo, kThree};

void Answer(Application& app, const TMatchEvent& event) {
  switch (event.Kind) {
    case TMatchEventKind::Countdown:
      Play(app, kCountdownCalls[event.Value]);
      break;
    case TMatchEventKind::Shot:
      Play(app, kRailGunShot);
      break;
    case TMatchEventKind::Chat:
      Play(app, kChat);
      break;
    case TMatchEventKind::Kill:
      PlaySamplePan(app.SoundModule(), kModelDeath, PanAtX(GameRecord(app).ShotPoint.X));
      break;
    case TMatchEventKind::Arrival:
      Play(app, kDamage);
      break;
    case TMatchEventKind::End:
      EnterScore(app);
      Play(app, kDeath);
      break;
    case TMatchEventKind::MultiKill:
      Play(app, kExcellent);
      break;
  }
}

void DrawFrame(Application& app) {
  const TScreenFrame frame = ScreenFrame(app);
  DrawGameScene(frame, app.Map, GameRecord(app));
  DrawGameHud(frame, app.Map, GameRecord(app), app.Models);
  DrawCursor(app.DXImageList(), app.Graphics.BackSurface, *app.DXDraw, app.ScreenState,
             app.MousePos);
  app.DXDraw->Flip();
}

}  // namespace

TMatch GameMatch(Application& app) {
  return TMatch{GameRecord(app),
                app.Map,
                app.Rng,
                app.Models,
                MapScenery(app.Map, app.DXImageList()),
                app.Settings.TestMode,
                app.Settings.ChatDisabled};
}

void AdvanceGame(Application& app) {
  TMatchEvents events;
  AdvanceMatch(GameMatch(app), app.MousePos, events);
  for (const TMatchEvent& event : events) Answer(app, event);
}

void GameStep(Application& app) {
  if (!app.DXDraw->CanDraw()) return;
  AdvanceGame(app);
  DrawFrame(app);
}

void GameKeyDown(Application& app, std::uint16_t key) {
  TGameState& game = GameRecord(app);
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

void FireRailgun(Application& app) {
  if (FireShot(GameMatch(app), app.MousePos)) Answer(app, TMatchEvent{TMatchEventKind::Shot});
}

}  // namespace sk
