#include "game/demo/Checkpoints.h"

#include <array>

#include "common/Sha256.h"
#include "game/demo/DemoFormat.h"
#include "game/frontend/GameScreen.h"
#include "game/frontend/SKMenu.h"
#include "game/shell/Application.h"

namespace sk {
namespace {

const char* ScreenName(std::uint8_t screen) {
  switch (screen) {
    case kScreenGame:
      return "game";
    case kScreenMenu:
      return "menu";
    case kScreenIntro:
      return "intro";
    case kScreenCredits:
      return "credits";
    default:
      return "none";
  }
}

std::string MatchMapName(const Application& app, const std::string& testMapName) {
  if (app.Settings.TestMode) return testMapName;
  const auto index = static_cast<std::size_t>(MenuRecord(app).SelectedMap);
  return index < app.MapList.size() ? app.MapList[index].FileName : std::string();
}

}  // namespace

void TCheckpointWatch::Observe(const Application& app, std::uint32_t tick,
                               std::vector<std::string>& lines) {
  const std::string at = std::to_string(tick) + " ";
  const std::uint8_t screen = app.ScreenState;
  const std::uint8_t page = MenuRecord(app).MenuPage;
  const bool menuPageChanged = screen == kScreenMenu && page != page_;
  if (screen != screen_ || menuPageChanged) {
    std::string line = at + "screen " + ScreenName(screen);
    if (screen == kScreenMenu) line += " page " + std::to_string(page);
    lines.push_back(line);
    if (screen == kScreenGame) {
      lines.push_back(at + "match " + QuoteDemoText(MatchMapName(app, TestMapName)));
      models_ = GameRecord(app).WalkingModels;
      matchState_ = GameRecord(app).MatchState;
    }
  }
  screen_ = screen;
  page_ = page;
  if (screen == kScreenGame) ObserveMatch(app, at, lines);
}

void TCheckpointWatch::ObserveMatch(const Application& app, const std::string& at,
                                    std::vector<std::string>& lines) {
  const TGameState& game = GameRecord(app);
  const std::size_t count = std::min(models_.size(), game.WalkingModels.size());
  for (std::size_t i = 0; i < count; ++i) {
    const TWalkingModel& before = models_[i];
    const TWalkingModel& now = game.WalkingModels[i];
    // A model waiting with no delay left enters in the next running step; if it is gone
    // after it, with a new delay, it was shot or arrived in that same step.
    const bool spawned = !before.Active && before.Delay == 0 && (now.Active || now.Delay != 0);
    if (!(before.Active || spawned) || now.Active) continue;
    // A kill starts the death display; an arrival leaves it alone.
    const char* what = now.Dying > before.Dying ? "kill" : "arrival";
    lines.push_back(at + what + " entry " + std::to_string(i) + " model " +
                    std::to_string(now.ModelType));
  }
  if (game.MatchState == TMatchState::MatchOver && matchState_ != TMatchState::MatchOver) {
    lines.push_back(at + "matchend frags " + std::to_string(game.Frags) + " health " +
                    std::to_string(game.Health) + " rank " + std::to_string(game.ScoreRank));
  }
  models_ = game.WalkingModels;
  matchState_ = game.MatchState;
}

std::string FrameHash(const TSurface& surface) {
  Sha256 hash;
  std::array<std::uint8_t, 2> bytes;
  std::vector<std::uint8_t> row;
  row.reserve(static_cast<std::size_t>(surface.Width) * 2);
  for (int y = 0; y < surface.Height; ++y) {
    row.clear();
    const std::uint16_t* pixels = surface.Row(y);
    for (int x = 0; x < surface.Width; ++x) {
      bytes = {static_cast<std::uint8_t>(pixels[x] & 0xFF),
               static_cast<std::uint8_t>(pixels[x] >> 8)};
      row.insert(row.end(), bytes.begin(), bytes.end());
    }
    hash.Update(row);
  }
  const auto digest = hash.Finish();
  return HexDigits(digest);
}

std::optional<std::string> TFrameDigest::Add(std::uint32_t tick, const TSurface& frame) {
  // Four pixels at a time through a multiply-and-fold mix: cheap enough for every tick.
  std::uint64_t h = value_ ^ (0x9E3779B97F4A7C15ull * (tick + 1));
  const std::vector<std::uint16_t>& p = frame.Pixels;
  std::size_t i = 0;
  for (; i + 4 <= p.size(); i += 4) {
    const std::uint64_t word = std::uint64_t{p[i]} | std::uint64_t{p[i + 1]} << 16 |
                               std::uint64_t{p[i + 2]} << 32 | std::uint64_t{p[i + 3]} << 48;
    h = (h ^ word) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  for (; i < p.size(); ++i) h = (h ^ p[i]) * 0xFF51AFD7ED558CCDull;
  value_ = h;
  if ((tick + 1) % kFrameDigestTicks != 0) return std::nullopt;
  return std::to_string(tick) + " frames " + Hex();
}

std::string TFrameDigest::Hex() const {
  std::array<std::uint8_t, 8> bytes;
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(value_ >> (56 - 8 * i));
  return HexDigits(bytes);
}

std::string FinalCheckpoint(std::uint32_t tick, const TSurface& surface,
                            const TFrameDigest& digest) {
  return std::to_string(tick) + " final frame " + FrameHash(surface) + " frames " + digest.Hex();
}

}  // namespace sk
