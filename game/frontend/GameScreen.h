#pragma once
#include <cstdint>

#include "game/play/SKGame.h"

// The game screen: a match of the rules, drawn every step, with the player's keys and
// clicks, and the screen's answers to what happens in the match (sounds, the score table,
// the menu's notice).
namespace sk {

struct Application;

// The game screen's record: the match it shows.
TGameState& GameRecord(Application& app);
const TGameState& GameRecord(const Application& app);

// The rules' view of this run's match: the loaded map, its scenery and the settings.
TMatch GameMatch(Application& app);

// The game screen's handlers, called by the shell's routing.
void GameStep(Application& app);
void GameKeyDown(Application& app, std::uint16_t key);
void FireRailgun(Application& app);

// The rules' part of a step without the drawing, and the screen's answers: what the demo
// tools and benchmarks run on their own.
void AdvanceGame(Application& app);

}  // namespace sk
