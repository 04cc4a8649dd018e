#include "game/play/SKGame.h"

#include <algorithm>
#include <array>

#include "game/frontend/GameDrawing.h"
#include "game/render/ColorText.h"
#include "game/render/Cursor.h"
#include "game/shell/Application.h"
#include "game/shell/InputEvent.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"

namespace sk {
namespace {

constexpr std::uint16_t kVkPause = 19;
constexpr TRgb kOpenGround{0xFF, 0x00, 0xFF};

void LeaveMatch(Application& app) { EnterMenu(app, kMenuPageMaps); }

void Play(Application& app, Effect effect) { PlaySample(app.SoundModule(), effect); }

// The point of walking model `i`, held inside its path so that no position can ever read
// past the table.
TPathPoint ModelPoint(const Application& app, std::size_t i) {
  const std::size_t length = PathLength(app.Map, i);
  const std::int32_t position = app.Game.WalkingModels[i].Position;
  if (length == 0) return TPathPoint{};
  const std::size_t index = position <= 0 ? 0 : static_cast<std::size_t>(position);
  return PathPoint(app.Map, i, std::min(index, length - 1));
}

bool AtLastPoint(const Application& app, std::size_t i) {
  const std::int64_t last = static_cast<std::int64_t>(PathLength(app.Map, i)) - 1;
  return app.Game.WalkingModels[i].Position >= last;
}

void CountDown(Application& app) {
  TGameState& game = app.Game;
  if (game.CountdownTime <= 0) return;
  switch (game.CountdownTime) {
    case kCountdownTicks:
      Play(app, kThree);
      break;
    case 186:
      Play(app, kTwo);
      break;
    case 124:
      Play(app, kOne);
      break;
    case 62:
      Play(app, kFight);
      game.MatchState = TMatchState::Running;
      break;
    default:
      break;
  }
  --game.CountdownTime;
}

void Spawn(Application& app, TWalkingModel& model) {
  model.Active = true;
  model.Position = 0;
  model.ModelType = -1;
  model.ModelType = PickModelType(app);
}

void Kill(Application& app, std::size_t i) {
  TGameState& game = app.Game;
  TWalkingModel& model = game.WalkingModels[i];
  model.Active = false;
  model.Dying = kDyingTicks;
  ScheduleRespawn(app, i);
  if (!app.Settings.TestMode) ++game.Frags;
  ModelChat(app, model.ModelType);
  PlaySamplePan(app.SoundModule(), kModelDeath, PanAtX(game.ShotPoint.X));
}

// One model's part of a running step; returns true when the shot of this step killed it.
bool StepModel(Application& app, std::size_t i) {
  TGameState& game = app.Game;
  TWalkingModel& model = game.WalkingModels[i];
  if (!model.Active && model.Delay == 0) Spawn(app, model);
  if (!model.Active) {
    --model.Delay;
    if (model.Dying > 0) --model.Dying;
    return false;
  }
  bool killed = false;
  if (AtLastPoint(app, i)) {
    model.Active = false;
    ScheduleRespawn(app, i);
    if (!app.Settings.TestMode) game.Health -= kArrivalDamage;
    Play(app, kDamage);
  } else if (game.TrailTime == kTrailTicks) {
    const TRect box = ModelRect(app, i);
    if (box.Contains(app.MousePos.X, app.MousePos.Y) && !ShotMasked(app)) {
      Kill(app, i);
      killed = true;
    }
  }
  // Arrived and killed models move on once more: the body lies one point further on.
  ++model.Position;
  return killed;
}

std::string CurrentScoreFile(const Application& app) {
  const std::int32_t selected = app.Menu.SelectedMap;
  if (selected < 0 || static_cast<std::size_t>(selected) >= app.MapList.size()) return {};
  return app.Paths.ScoreFile(app.MapList[static_cast<std::size_t>(selected)].FileName);
}

void EndMatch(Application& app) {
  TGameState& game = app.Game;
  game.Health = 0;
  const std::string file = CurrentScoreFile(app);
  // Without a selected map there is no table to enter the frags into.
  std::string problem;
  game.ScoreRank =
      file.empty() ? 0
                   : AddScore(app.ScoreTable, file, game.Frags, app.Settings.PlayerName, &problem);
  // The end message still shows the place won; the menu then says it was not kept.
  if (!problem.empty())
    ShowMenuNotice(app.Menu, "Your score was not saved: " + ShortReason(problem) + ".");
  game.MatchState = TMatchState::MatchOver;
  Play(app, kDeath);
}

void RunningStep(Application& app) {
  TGameState& game = app.Game;
  int kills = 0;
  for (std::size_t i = 0; i < game.WalkingModels.size(); ++i) {
    if (StepModel(app, i)) ++kills;
  }
  if (game.Health <= 0) EndMatch(app);
  if (kills > 1) Play(app, kExcellent);
  for (std::int32_t* timer : {&game.TrailTime, &game.ReloadTime, &game.ChatTime}) {
    if (*timer > 0) --*timer;
  }
}

void DrawFrame(Application& app) {
  DrawGameScene(app);
  DrawGameHud(app);
  DrawCursor(app.DXImageList(), app.Graphics.BackSurface, *app.DXDraw, app.ScreenState,
             app.MousePos);
  app.DXDraw->Flip();
}

}  // namespace

void StartMatch(Application& app) {
  TGameState& game = app.Game;
  game.Frags = 0;
  game.Health = kStartHealth;
  game.TrailTime = 0;
  game.ReloadTime = 0;
  game.ChatTime = 0;
  game.ScoreRank = 0;
  game.HoveredModel = -1;
  // Nothing may carry over from the last match on this or another map.
  for (TWalkingModel& model : game.WalkingModels) model = TWalkingModel{};
  for (std::size_t i = 0; i < game.WalkingModels.size(); ++i) ScheduleRespawn(app, i);
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
  AdvanceMatch(app);
  DrawFrame(app);
}

void AdvanceMatch(Application& app) {
  CountDown(app);
  if (app.Game.MatchState == TMatchState::Running) RunningStep(app);
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

void FireRailgun(Application& app) {
  TGameState& game = app.Game;
  if (game.MatchState != TMatchState::Running || game.ReloadTime != 0) return;
  game.ShotPoint = app.MousePos;
  game.TrailTime = kTrailTicks;
  game.ReloadTime = kReloadTicks;
  Play(app, kRailGunShot);
}

std::int32_t PickModelType(Application& app) {
  std::array<bool, kModelCount> taken{};
  for (const TWalkingModel& model : app.Game.WalkingModels) {
    if (model.ModelType >= 0 && static_cast<std::size_t>(model.ModelType) < kModelCount) {
      taken[static_cast<std::size_t>(model.ModelType)] = true;
    }
  }
  const auto draw = [&app] { return static_cast<std::int32_t>(app.Rng.Draw(kModelCount)); };
  // Never reached with the at most eight paths a map may have; it only keeps a bad table
  // from hanging the game.
  if (std::all_of(taken.begin(), taken.end(), [](bool t) { return t; })) return draw();
  for (;;) {
    const std::int32_t type = draw();
    if (!taken[static_cast<std::size_t>(type)]) return type;
  }
}

void ScheduleRespawn(Application& app, std::size_t i) {
  const auto length = static_cast<std::uint32_t>(PathLength(app.Map, i));
  app.Game.WalkingModels[i].Delay =
      static_cast<std::int32_t>(app.Rng.Draw(length)) + kRespawnMinimum;
}

TRect ModelRect(const Application& app, std::size_t i) {
  const TPathPoint p = ModelPoint(app, i);
  return TRect{p.X - 25, p.Y - 80, p.X + 25, p.Y};
}

bool ShotMasked(const Application& app) { return SceneryAt(app, app.MousePos); }

bool SceneryAt(const Application& app, TPoint point) {
  if (!app.Map.MapHasMask) return false;
  const TImage& layer = FindImage(app.Graphics.Images, kMapMaskImage);
  // A background smaller than the screen leaves a smaller layer: beyond it lies open ground.
  const auto pixel = ImagePixel(layer, point.X, point.Y);
  return pixel.has_value() && *pixel != kOpenGround;
}

void ModelChat(Application& app, std::int32_t t) {
  TGameState& game = app.Game;
  if (app.Settings.ChatDisabled || game.ChatTime != 0) return;
  if (app.Rng.Draw(3) != 0) return;
  const TModel& model = app.Models[static_cast<std::size_t>(t) % kModelCount];
  const std::uint32_t line = app.Rng.Draw(kChatLines);
  game.ChatMessage.clear();
  StripColorCodes(model.Name, game.ChatMessage);
  game.ChatMessage.append(": ").append(model.Chat[line]);
  game.ChatTime = kChatTicks;
  Play(app, kChat);
}

}  // namespace sk
