#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/platform/InputEvent.h"
#include "game/shell/Application.h"

namespace sk::demogen {

// A scripted player: before each frame tick it may press keys, type, move and click. What it
// does is written down by the demo recorder like any player's input.
class Bot {
 public:
  void Key(std::uint16_t key, std::uint8_t modifiers = 0);
  void Type(const std::string& text);
  void MoveTo(int x, int y);
  void ClickAt(int x, int y);

  std::vector<TInputEvent> Take();

 private:
  std::vector<TInputEvent> pending_;
};

// One part of a script: called once before every tick until it says it is done.
using Step = std::function<bool(Application&, Bot&)>;

Step Wait(int ticks);
Step Until(std::function<bool(const Application&)> condition);
Step Do(std::function<void(Bot&)> action);
// A click on the middle of a menu button, after resting on it for a moment.
std::vector<Step> Press(int left, int top, int right, int bottom);

// How the bot plays a match: it shoots until it has `kills` kills and a double kill (or the
// match is over), pauses once, then lets the models through until the match ends.
struct MatchPlan {
  int kills = 12;
  int pauseAfter = 500;  // running ticks before the pause
  int pauseLength = 90;
  bool testMode = false;  // no end by health: stop after `testTicks` and leave with Escape
  int testTicks = 1200;
};
Step PlayMatch(MatchPlan plan);
// Once the match runs, shoots a model at the start of its path in the very step it enters,
// and is done when that kill has happened (or the match is over).
Step ShootAModelAsItEnters();

// Runs the game from start-up with the bot's script until the program ends or `maxTicks`
// ticks have run; what happened is reported through the checkpoint lines.
void RunScript(Application& app, std::vector<Step> script, std::uint32_t maxTicks,
               std::vector<std::string>& checkpoints);

}  // namespace sk::demogen
