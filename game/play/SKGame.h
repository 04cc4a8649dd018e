#pragma once
#include <cstdint>
#include <vector>

namespace sk {

struct Application;

enum class TMatchState : std::uint8_t { Countdown = 0, Running = 1, Paused = 2, MatchOver = 3 };

inline constexpr std::int32_t kCountdownTicks = 248;

// The model walking one path of the loaded map.
struct TWalkingModel {
  std::int32_t ModelType = 0;
  std::int32_t Position = 0;
  std::int32_t Delay = 0;
  bool Active = false;
  std::int32_t Dying = 0;
};

// The match of the game screen.
struct TGameState {
  std::vector<TWalkingModel> WalkingModels;  // one per path, sized by the map loader
  TMatchState MatchState = TMatchState::Countdown;
  std::int32_t Health = 100;
  std::int32_t Frags = 0;
  std::int32_t TrailTime = 0;
  std::int32_t ReloadTime = 0;
  std::int32_t CountdownTime = 0;
  std::int32_t ChatTime = 0;
};

// A fresh match on the map just loaded: counted in, or running at once in test mode.
void StartMatch(Application& app);

// The game screen's handlers, called by the shell's routing.
void GameStep(Application& app);
void GameKeyDown(Application& app, std::uint16_t key);
void FireRailgun(Application& app);

}  // namespace sk
