#include "tools/skbalance/BalanceField.h"

#include "game/maps/MapName.h"
#include "game/maps/SKMap.h"
#include "game/play/SKGame.h"
#include "game/shell/InputEvent.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"
#include "platform/null/NullDisplay.h"

namespace sk::balance {
namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kMagenta = 0xFF00FF;

}  // namespace

TBalanceField::TBalanceField() {
  ShellServices services{
      clock_,
      events_,
      desktop_,
      audio_,
      [](TSurface& s, TImageList& i) { return std::make_unique<TNullDisplay>(s, i); },
      ""};  // no text is ever drawn here
  app_ = std::make_unique<Application>(std::move(services));
  // Silent: the engine is never called, so nothing piles up over long matches.
  app_->Sound.SoundOff = true;
}

std::unique_ptr<TBalanceField> TBalanceField::Load(const std::string& file, std::string& problem) {
  std::unique_ptr<TBalanceField> field(new TBalanceField());
  Application& app = *field->app_;
  // The two pictures the map loader fills, as the game screen's picture set makes them.
  AddImage(app.DXImageList(), kMapBackgroundImage, TPicture{}, false, kBlack, false);
  AddImage(app.DXImageList(), kMapMaskImage, TPicture{}, true, kMagenta, false);
  std::vector<TWalkingModel>& models = app.Game.WalkingModels;
  const MapLoadResult loaded =
      LoadMapFile(app.Map, app.DXImageList(), file,
                  [&models](std::size_t paths) { models.assign(paths, TWalkingModel{}); });
  if (loaded != MapLoadResult::Loaded) {
    problem = DescribeMapLoadResult(loaded);
    return nullptr;
  }
  field->name_ = ReadMapName(file).value_or(file);
  field->ground_.emplace([&app](TPoint p) { return SceneryAt(app, p); });
  const TPathPoint exit = PathPoint(app.Map, 0, PathLength(app.Map, 0) - 1);
  field->exit_ = TPoint{exit.X, exit.Y};
  app.ScreenState = kScreenGame;
  return field;
}

std::vector<std::uint32_t> TBalanceField::WalkSteps() const {
  std::vector<std::uint32_t> steps;
  for (std::size_t p = 0; p < app_->Map.Paths.size(); ++p)
    steps.push_back(static_cast<std::uint32_t>(PathLength(app_->Map, p) - 1));
  return steps;
}

void TBalanceField::See(TSeenField& field) const {
  const std::vector<TWalkingModel>& models = app_->Game.WalkingModels;
  field.resize(models.size());
  for (std::size_t i = 0; i < models.size(); ++i) {
    const auto last = static_cast<std::int64_t>(PathLength(app_->Map, i)) - 1;
    field[i] = TSeenModel{models[i].Active, models[i].Active && models[i].Position < last,
                          ModelRect(*app_, i)};
  }
}

// As the player's hand does it: the pointer moves there, the left button goes down.
void TBalanceField::Shoot(TPoint at) {
  TInputEvent move;
  move.Kind = TInputKind::MouseMove;
  move.X = at.X;
  move.Y = at.Y;
  RouteEvent(*app_, move);
  TInputEvent click = move;
  click.Kind = TInputKind::MouseDown;
  click.Button = TMouseButton::Left;
  RouteEvent(*app_, click);
}

TMatchResult TBalanceField::Play(TPlayerKind player, std::uint32_t seed, std::int32_t cap) {
  Application& app = *app_;
  TGameState& game = app.Game;
  app.Rng.SetSeed(seed);
  StartMatch(app);
  CenterCursor(app);
  TAimError error(seed);
  // The field as the perfect player sees it, and the decent player's view of the last
  // kDecentDelaySteps steps, the oldest at the front. Both are refilled in place, so looking
  // at the field allocates nothing in the steps of a long match.
  TSeenField now;
  See(now);
  std::vector<TSeenField> late(kDecentDelaySteps + 1, now);
  std::size_t oldest = 0;
  TMatchResult result;
  for (;;) {
    if (player != TPlayerKind::Idle && game.MatchState == TMatchState::Running &&
        game.ReloadTime == 0) {
      if (player == TPlayerKind::Perfect) See(now);
      const std::optional<TPoint> aim = player == TPlayerKind::Decent
                                            ? DecentAim(late[oldest], *ground_, exit_, error)
                                            : PerfectAim(now, *ground_, exit_);
      if (aim) Shoot(*aim);
    }
    AdvanceMatch(app);
    if (game.MatchState != TMatchState::Countdown) ++result.Steps;
    result.Frags = game.Frags;
    if (game.MatchState == TMatchState::MatchOver) return result;
    if (result.Steps >= cap) {
      result.Capped = true;
      return result;
    }
    if (player == TPlayerKind::Decent) {
      See(late[oldest]);
      oldest = (oldest + 1) % late.size();
    }
  }
}

}  // namespace sk::balance
