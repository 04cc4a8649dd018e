#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "game/frontend/GameScreen.h"
#include "support/BmpEncode.h"
#include "support/Harness.h"

namespace sk::test {

// Colours of the test pictures, each one exact in RGB565 so frames can be told apart by
// their pixels.
inline TRgb ModelColor(int type) { return TRgb{static_cast<std::uint8_t>(type * 32), 200, 0}; }
inline TRgb BloodColor(int frame) { return TRgb{248, 0, static_cast<std::uint8_t>(frame * 64)}; }
inline TRgb DigitColor(int digit) { return TRgb{0, static_cast<std::uint8_t>(digit * 24), 248}; }
inline constexpr TRgb kBarColor{248, 248, 0};
inline constexpr TRgb kTrailColor{0, 0, 128};
inline constexpr int kDigitHeight = 40;
inline constexpr int kBloodSize = 64;

inline std::uint16_t Pixel565(TRgb c) { return MatchColor(RgbToColor(c)); }

// A map file: name "Test", the paths and final waypoint given, a background of one grey and
// an optional mask (black = scenery).
Bytes MakeMapFile(const std::vector<std::vector<TWayPoint>>& paths, TPoint final_waypoint,
                  const TPicture* mask = nullptr, int background_width = 640,
                  int background_height = 480);

// A program folder with an archive of recognisable game pictures and the given maps, the game
// started on it (the first screen is the menu, or the match on TestMap).
class GameHarness : public Harness {
 public:
  explicit GameHarness(const std::string& extra_ini = "DisableChat=1\n",
                       const std::vector<std::pair<std::string, Bytes>>& maps = {});

  // Starts a match on Maps/<file> as the menu's map page would.
  void Play(const std::string& file);
  // Skips the countdown: the match runs from the next step on.
  void SkipCountdown();
  void Steps(int n = 1);
  // Puts walking model `i` on point `position` of its path, walking, with type `type`.
  void Place(std::size_t i, std::int32_t position, std::int32_t type);

  // The effect lines ("PlaySample channel number", "SetPan channel pan") logged since the
  // last call, in order.
  std::vector<std::string> TakeSounds() { return TakeLog({"PlaySample", "SetPan"}); }
  std::uint16_t FramePixel(int x, int y) const { return display->FramePixel(x, y); }
  TGameState& Game() { return GameRecord(*app); }
};

}  // namespace sk::test
