#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/maps/SKMap.h"
#include "game/play/SKGame.h"
#include "game/render/ImageList.h"
#include "tools/skbalance/OpenGround.h"
#include "tools/skbalance/Players.h"

namespace sk::balance {

inline constexpr int kStepMilliseconds = 16;  // one step at the default frame delay
inline constexpr std::int32_t kMatchCapSteps = 10 * 60 * 1000 / kStepMilliseconds;

// How one match went: the steps it ran from "Fight!" on, and the frags.
struct TMatchResult {
  std::int32_t Steps = 0;
  std::int32_t Frags = 0;
  bool Capped = false;  // still running when the cap was reached
};

// One map file loaded as a match would load it, ready for any number of matches on the
// game's own rules. Nothing is drawn, heard or written: a match here is the rules alone.
class TBalanceField {
 public:
  // Nothing, and `problem` says why, when the game would refuse the map.
  static std::unique_ptr<TBalanceField> Load(const std::string& file, std::string& problem);

  const std::string& Name() const { return name_; }
  // The steps each path takes from its first point to the exit.
  std::vector<std::uint32_t> WalkSteps() const;

  // A normal match from its countdown on: the game's random generator seeded with `seed`, the
  // player shooting whenever the railgun is loaded and it sees a target. It ends with the
  // match, or after `cap` steps of play.
  TMatchResult Play(TPlayerKind player, std::uint32_t seed, std::int32_t cap = kMatchCapSteps);

 private:
  TBalanceField() = default;
  // The rules' view of this field's match.
  TMatch Match();
  // The walking models as a player sees them now, written over `field`.
  void See(TSeenField& field) const;

  TMapState map_;
  TImageList images_;  // the map's background and scenery layer
  TGameState game_;
  Random rng_;
  TModels models_;  // nameless: the last words are drawn, never shown
  TPoint aim_;      // where the player's pointer rests
  std::optional<TOpenGround> ground_;
  TPoint exit_;
  std::string name_;
};

}  // namespace sk::balance
