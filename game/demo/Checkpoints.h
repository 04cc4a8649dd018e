#pragma once
#include <cstdint>
#include <optional>
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
  // `at` is the tick stamp of the lines, "<tick> ".
  void ObserveMatch(const Application& app, const std::string& at, std::vector<std::string>& lines);

  std::uint8_t screen_ = 0;
  std::uint8_t page_ = 0;
  TMatchState matchState_ = TMatchState::Countdown;
  std::vector<TWalkingModel> models_;
};

// Every frame of a session folded into one number, so that a change to any frame shows; each
// stretch of kFrameDigestTicks ticks ends with a line, so that a difference is found near
// where it happened.
inline constexpr std::uint32_t kFrameDigestTicks = 500;
class TFrameDigest {
 public:
  // Adds the frame tick `tick` drew; the line "<tick> frames <digest>" after each stretch.
  std::optional<std::string> Add(std::uint32_t tick, const TSurface& frame);
  std::string Hex() const;

 private:
  std::uint64_t value_ = 0;
};

// SHA-256 of the back surface's pixels, each RGB565 value as two bytes, low byte first.
std::string FrameHash(const TSurface& surface);
// The last line of a played demo: the last frame's hash and the digest of all frames.
std::string FinalCheckpoint(std::uint32_t tick, const TSurface& surface,
                            const TFrameDigest& digest);

}  // namespace sk
