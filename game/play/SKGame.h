#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/maps/SKMap.h"
#include "game/maps/Scenery.h"
#include "game/play/ModelDefinitions.h"
#include "game/play/Random.h"
#include "game/render/Geometry.h"

// The rules of a match: models walk the loaded map's paths towards its final waypoint, the
// player shoots them with the railgun, and every model that gets through costs health.
// Every duration is counted in steps, one step per frame tick. The rules draw nothing, play
// nothing and write nothing: they report what happened, and the game screen answers.
namespace sk {

enum class TMatchState : std::uint8_t { Countdown = 0, Running = 1, Paused = 2, MatchOver = 3 };

inline constexpr std::int32_t kCountdownTicks = 248;
inline constexpr std::int32_t kStartHealth = 100;
inline constexpr std::int32_t kArrivalDamage = 10;
inline constexpr std::int32_t kTrailTicks = 31;   // a shot's trail; its hit test runs at 31
inline constexpr std::int32_t kReloadTicks = 62;  // between two shots
inline constexpr std::int32_t kDyingTicks = 31;   // a dead model's body stays this long
inline constexpr std::int32_t kChatTicks = 310;   // a chat line stays this long
inline constexpr std::int32_t kRespawnMinimum = 31;

// The model walking one path of the loaded map.
struct TWalkingModel {
  std::int32_t ModelType = 0;  // 0..7: its definition and picture frame; -1 while picking one
  std::int32_t Position = 0;   // index into its path's points
  std::int32_t Delay = 0;      // steps to wait before (re)entering; counted only while away
  bool Active = false;         // walking, drawn and open to shots
  std::int32_t Dying = 0;      // steps left of the dead body and its blood
};

// The match of the game screen.
struct TGameState {
  std::vector<TWalkingModel> WalkingModels;  // entry i walks path i; sized by the map loader
  TMatchState MatchState = TMatchState::Countdown;
  std::int32_t Health = kStartHealth;
  std::int32_t Frags = 0;
  TPoint ShotPoint;  // the pointer at the last accepted shot
  std::int32_t TrailTime = 0;
  std::int32_t ReloadTime = 0;
  std::int32_t CountdownTime = 0;
  std::int32_t ChatTime = 0;
  std::int32_t HoveredModel = -1;  // type of the live model under the pointer, set by drawing
  std::int32_t ScoreRank = 0;      // the place won at the end of the match, or 0
  std::string ChatMessage;
};

// What happened in the rules, in the order it happened.
enum class TMatchEventKind : std::uint8_t {
  Countdown,  // a call of the countdown: Value 3, 2, 1, then 0 for "Fight!"
  Shot,       // the railgun fired at ShotPoint
  Chat,       // a killed model's last word, now in ChatMessage
  Kill,       // walking model Value died
  Arrival,    // walking model Value reached the exit
  End,        // health is gone: the match is over, with its Frags
  MultiKill,  // one shot killed more than one model
};
struct TMatchEvent {
  TMatchEventKind Kind;
  std::int32_t Value = 0;
};
using TMatchEvents = std::vector<TMatchEvent>;

// What the rules work on: the match, the map it is played on, the generator every random
// choice draws from, the models' definitions (for their last words) and the scenery. It only
// refers to state that lives elsewhere, so it is made for each use.
struct TMatch {
  TGameState& Game;
  const TMapState& Map;
  Random& Rng;
  const TModels& Models;
  TScenery Scenery;
  bool TestMode = false;      // running at once; no damage, no frags, no end
  bool ChatDisabled = false;  // no last words
};

// A fresh match on the map just loaded: every walking model reset and scheduled anew, then
// counted in, or running at once in test mode.
void StartMatch(const TMatch& match);
// One step: the countdown, then the models, the shot, health and frags of a running match.
// A shot's hit test runs at the point the player aims at now.
void AdvanceMatch(const TMatch& match, TPoint aim, TMatchEvents& events);
// The railgun fires at `aim` when the match runs and it is loaded; false when it cannot.
bool FireShot(const TMatch& match, TPoint aim);

// A model type that no other walking model holds, drawn at random.
std::int32_t PickModelType(const TMatch& match);
// Sends walking model `i` away for 31 .. path length + 30 steps.
void ScheduleRespawn(const TMatch& match, std::size_t i);
// The box of walking model `i` (ModelBoxAt its path point).
TRect ModelRect(const TMapState& map, const TGameState& game, std::size_t i);
// Now and then a killed model of type `t` has a last word; true when it speaks.
bool ModelChat(const TMatch& match, std::int32_t t);

}  // namespace sk
