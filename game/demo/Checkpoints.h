#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/play/SKGame.h"
#include "game/render/Surface.h"

namespace sk {

struct Application;

// Watches a session and names what happened in it, one line each: screen changes, match
// starts, kills, arrivals and match ends, stamped with the tick. Two runs of the same demo
// give the same lines; a change to the game that alters a session shows up in them.
class TCheckpointWatch {
 public:
  // The test map as the demo names it; the game opens it from a temporary folder.
  std::string TestMapName;

  // Compares the session with the last look and appends a line for every change.
  void Observe(const Application& app, std::uint32_t tick, std::vector<std::string>& lines);

 private:
  void ObserveMatch(const Application& app, std::uint32_t tick, std::vector<std::string>& lines);

  std::uint8_t screen_ = 0;
  std::uint8_t page_ = 0;
  TMatchState matchState_ = TMatchState::Countdown;
  std::vector<TWalkingModel> models_;
};

// SHA-256 of the back surface's pixels, each RGB565 value as two bytes, low byte first.
std::string FrameHash(const TSurface& surface);
// The last line of a played demo.
std::string FinalCheckpoint(std::uint32_t tick, const TSurface& surface);

}  // namespace sk
