#include "game/play/SKGame.h"

#include <algorithm>
#include <array>

#include "game/render/ColorText.h"

namespace sk {
namespace {

void Report(TMatchEvents& events, TMatchEventKind kind, std::int32_t value = 0) {
  events.push_back(TMatchEvent{kind, value});
}

// The point of walking model `i`, held inside its path so that no position can ever read
// past the table.
TPathPoint ModelPoint(const TMapState& map, const TGameState& game, std::size_t i) {
  const std::size_t length = PathLength(map, i);
  const std::int32_t position = game.WalkingModels[i].Position;
  if (length == 0) return TPathPoint{};
  const std::size_t index = position <= 0 ? 0 : static_cast<std::size_t>(position);
  return PathPoint(map, i, std::min(index, length - 1));
}

bool AtLastPoint(const TMatch& match, std::size_t i) {
  const std::int64_t last = static_cast<std::int64_t>(PathLength(match.Map, i)) - 1;
  return match.Game.WalkingModels[i].Position >= last;
}

// The calls of the countdown: at these times, 3, 2, 1 and then "Fight!", which starts play.
constexpr std::array<std::int32_t, 4> kCallTimes{kCountdownTicks, 186, 124, 62};

void CountDown(const TMatch& match, TMatchEvents& events) {
  TGameState& game = match.Game;
  if (game.CountdownTime <= 0) return;
  for (std::size_t call = 0; call < kCallTimes.size(); ++call) {
    if (game.CountdownTime != kCallTimes[call]) continue;
    Report(events, TMatchEventKind::Countdown, static_cast<std::int32_t>(3 - call));
    if (call == 3) game.MatchState = TMatchState::Running;
  }
  --game.CountdownTime;
}

void Spawn(const TMatch& match, TWalkingModel& model) {
  model.Active = true;
  model.Position = 0;
  model.ModelType = -1;
  model.ModelType = PickModelType(match);
}

void Kill(const TMatch& match, std::size_t i, TMatchEvents& events) {
  TGameState& game = match.Game;
  TWalkingModel& model = game.WalkingModels[i];
  model.Active = false;
  model.Dying = kDyingTicks;
  ScheduleRespawn(match, i);
  if (!match.TestMode) ++game.Frags;
  if (ModelChat(match, model.ModelType)) Report(events, TMatchEventKind::Chat);
  Report(events, TMatchEventKind::Kill, static_cast<std::int32_t>(i));
}

// One model's part of a running step; returns true when the shot of this step killed it.
bool StepModel(const TMatch& match, std::size_t i, TPoint aim, TMatchEvents& events) {
  TGameState& game = match.Game;
  TWalkingModel& model = game.WalkingModels[i];
  if (!model.Active && model.Delay == 0) Spawn(match, model);
  if (!model.Active) {
    --model.Delay;
    if (model.Dying > 0) --model.Dying;
    return false;
  }
  bool killed = false;
  if (AtLastPoint(match, i)) {
    model.Active = false;
    ScheduleRespawn(match, i);
    if (!match.TestMode) game.Health -= kArrivalDamage;
    Report(events, TMatchEventKind::Arrival, static_cast<std::int32_t>(i));
  } else if (game.TrailTime == kTrailTicks) {
    const TRect box = ModelRect(match.Map, game, i);
    if (box.Contains(aim.X, aim.Y) && !match.Scenery.At(aim)) {
      Kill(match, i, events);
      killed = true;
    }
  }
  // Arrived and killed models move on once more: the body lies one point further on.
  ++model.Position;
  return killed;
}

void RunningStep(const TMatch& match, TPoint aim, TMatchEvents& events) {
  TGameState& game = match.Game;
  int kills = 0;
  for (std::size_t i = 0; i < game.WalkingModels.size(); ++i) {
    if (StepModel(match, i, aim, events)) ++kills;
  }
  if (game.Health <= 0) {
    game.Health = 0;
    game.MatchState = TMatchState::MatchOver;
    Report(events, TMatchEventKind::End);
  }
  if (kills > 1) Report(events, TMatchEventKind::MultiKill);
  for (std::int32_t* timer : {&game.TrailTime, &game.ReloadTime, &game.ChatTime}) {
    if (*timer > 0) --*timer;
  }
}

}  // namespace

void StartMatch(const TMatch& match) {
  TGameState& game = match.Game;
  game.Frags = 0;
  game.Health = kStartHealth;
  game.TrailTime = 0;
  game.ReloadTime = 0;
  game.ChatTime = 0;
  game.ScoreRank = 0;
  game.HoveredModel = -1;
  // Nothing may carry over from the last match on this or another map.
  for (TWalkingModel& model : game.WalkingModels) model = TWalkingModel{};
  for (std::size_t i = 0; i < game.WalkingModels.size(); ++i) ScheduleRespawn(match, i);
  if (match.TestMode) {
    game.MatchState = TMatchState::Running;
    game.CountdownTime = 0;
  } else {
    game.MatchState = TMatchState::Countdown;
    game.CountdownTime = kCountdownTicks;
  }
}

void AdvanceMatch(const TMatch& match, TPoint aim, TMatchEvents& events) {
  CountDown(match, events);
  if (match.Game.MatchState == TMatchState::Running) RunningStep(match, aim, events);
}

bool FireShot(const TMatch& match, TPoint aim) {
  TGameState& game = match.Game;
  if (game.MatchState != TMatchState::Running || game.ReloadTime != 0) return false;
  game.ShotPoint = aim;
  game.TrailTime = kTrailTicks;
  game.ReloadTime = kReloadTicks;
  return true;
}

std::int32_t PickModelType(const TMatch& match) {
  std::array<bool, kModelCount> taken{};
  for (const TWalkingModel& model : match.Game.WalkingModels) {
    if (model.ModelType >= 0 && static_cast<std::size_t>(model.ModelType) < kModelCount) {
      taken[static_cast<std::size_t>(model.ModelType)] = true;
    }
  }
  const auto draw = [&match] { return static_cast<std::int32_t>(match.Rng.Draw(kModelCount)); };
  // Never reached with the at most eight paths a map may have; it only keeps a bad table
  // from hanging the game.
  if (std::all_of(taken.begin(), taken.end(), [](bool t) { return t; })) return draw();
  for (;;) {
    const std::int32_t type = draw();
    if (!taken[static_cast<std::size_t>(type)]) return type;
  }
}

void ScheduleRespawn(const TMatch& match, std::size_t i) {
  const auto length = static_cast<std::uint32_t>(PathLength(match.Map, i));
  match.Game.WalkingModels[i].Delay =
      static_cast<std::int32_t>(match.Rng.Draw(length)) + kRespawnMinimum;
}

TRect ModelRect(const TMapState& map, const TGameState& game, std::size_t i) {
  const TPathPoint p = ModelPoint(map, game, i);
  return ModelBoxAt(TPoint{p.X, p.Y});
}

bool ModelChat(const TMatch& match, std::int32_t t) {
  TGameState& game = match.Game;
  if (match.ChatDisabled || game.ChatTime != 0) return false;
  if (match.Rng.Draw(3) != 0) return false;
  const TModel& model = match.Models[static_cast<std::size_t>(t) % kModelCount];
  const std::uint32_t line = match.Rng.Draw(kChatLines);
  game.ChatMessage.clear();
  StripColorCodes(model.Name, game.ChatMessage);
  game.ChatMessage.append(": ").append(model.Chat[line]);
  game.ChatTime = kChatTicks;
  return true;
}

}  // namespace sk
