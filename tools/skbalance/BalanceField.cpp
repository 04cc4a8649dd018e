#include "tools/skbalance/BalanceField.h"

#include "game/maps/MapName.h"

namespace sk::balance {
namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kMagenta = 0xFF00FF;

}  // namespace

std::unique_ptr<TBalanceField> TBalanceField::Load(const std::string& file, std::string& problem) {
  std::unique_ptr<TBalanceField> field(new TBalanceField());
  // The two pictures the map loader fills, as the game screen's picture set makes them.
  AddImage(field->images_, kMapBackgroundImage, TPicture{}, false, kBlack, false);
  AddImage(field->images_, kMapMaskImage, TPicture{}, true, kMagenta, false);
  std::vector<TWalkingModel>& models = field->game_.WalkingModels;
  const MapLoadResult loaded =
      LoadMapFile(field->map_, field->images_, file,
                  [&models](std::size_t paths) { models.assign(paths, TWalkingModel{}); });
  if (loaded != MapLoadResult::Loaded) {
    problem = DescribeMapLoadResult(loaded);
    return nullptr;
  }
  field->name_ = ReadMapName(file).value_or(file);
  const TScenery scenery = MapScenery(field->map_, field->images_);
  field->ground_.emplace([&scenery](TPoint p) { return scenery.At(p); });
  const TPathPoint exit = PathPoint(field->map_, 0, PathLength(field->map_, 0) - 1);
  field->exit_ = TPoint{exit.X, exit.Y};
  return field;
}

std::vector<std::uint32_t> TBalanceField::WalkSteps() const {
  std::vector<std::uint32_t> steps;
  for (std::size_t p = 0; p < map_.Paths.size(); ++p)
    steps.push_back(static_cast<std::uint32_t>(PathLength(map_, p) - 1));
  return steps;
}

TMatch TBalanceField::Match() {
  // The settings of a normal match with chat on: a kill's last word draws from the generator.
  return TMatch{game_, map_, rng_, models_, MapScenery(map_, images_), false, false};
}

void TBalanceField::See(TSeenField& field) const {
  const std::vector<TWalkingModel>& models = game_.WalkingModels;
  field.resize(models.size());
  for (std::size_t i = 0; i < models.size(); ++i) {
    const auto last = static_cast<std::int64_t>(PathLength(map_, i)) - 1;
    field[i] = TSeenModel{models[i].Active, models[i].Active && models[i].Position < last,
                          ModelRect(map_, game_, i)};
  }
}

TMatchResult TBalanceField::Play(TPlayerKind player, std::uint32_t seed, std::int32_t cap) {
  const TMatch match = Match();
  rng_.SetSeed(seed);
  StartMatch(match);
  // The pointer starts in the middle of the screen, as the game screen puts it.
  aim_ = TPoint{kScreenWidth / 2, kScreenHeight / 2};
  TAimError error(seed);
  // The field as the perfect player sees it, and the decent player's view of the last
  // kDecentDelaySteps steps, the oldest at the front. Both are refilled in place, so looking
  // at the field allocates nothing in the steps of a long match.
  TSeenField now;
  See(now);
  std::vector<TSeenField> late(kDecentDelaySteps + 1, now);
  std::size_t oldest = 0;
  TMatchEvents events;
  TMatchResult result;
  for (;;) {
    if (player != TPlayerKind::Idle && game_.MatchState == TMatchState::Running &&
        game_.ReloadTime == 0) {
      if (player == TPlayerKind::Perfect) See(now);
      const std::optional<TPoint> aim = player == TPlayerKind::Decent
                                            ? DecentAim(late[oldest], *ground_, exit_, error)
                                            : PerfectAim(now, *ground_, exit_);
      // As the player's hand does it: the pointer moves there, the left button goes down.
      if (aim) {
        aim_ = *aim;
        FireShot(match, aim_);
      }
    }
    events.clear();
    AdvanceMatch(match, aim_, events);
    if (game_.MatchState != TMatchState::Countdown) ++result.Steps;
    result.Frags = game_.Frags;
    if (game_.MatchState == TMatchState::MatchOver) return result;
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
