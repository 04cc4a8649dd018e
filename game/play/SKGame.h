#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/render/Geometry.h"

// The rules of a match: models walk the loaded map's paths towards its final waypoint, the
// player shoots them with the railgun, and every model that gets through costs health.
// Every duration is counted in steps, one step per frame tick.
namespace sk {

struct Application;

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

// A fresh match on the map just loaded: every walking model reset and scheduled anew, then
// counted in, or running at once in test mode.
void StartMatch(Application& app);

// The game screen's handlers, called by the shell's routing.
void GameStep(Application& app);
// The rules' part of a step, without drawing: the countdown, then the models, the shot, health
// and frags of a running match. Tools that measure matches run it on its own.
void AdvanceMatch(Application& app);
void GameKeyDown(Application& app, std::uint16_t key);
void FireRailgun(Application& app);

// A model type that no other walking model holds, drawn at random.
std::int32_t PickModelType(Application& app);
// Sends walking model `i` away for 31 .. path length + 30 steps.
void ScheduleRespawn(Application& app, std::size_t i);
// The 50 x 80 box of walking model `i`, feet centred on its path point.
TRect ModelRect(const Application& app, std::size_t i);
// True when the pointer rests on scenery that stands in front of the models.
bool ShotMasked(const Application& app);
// The same test at any point of the screen.
bool SceneryAt(const Application& app, TPoint point);
// Now and then a killed model of type `t` has a last word.
void ModelChat(Application& app, std::int32_t t);

}  // namespace sk
