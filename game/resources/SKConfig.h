#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace sk {

inline constexpr const char* kConfigSection = "Skarveth Configuration";
inline constexpr const char* kDefaultPlayerName = "Unknown ^1Skarveth^7er";

// Every setting of Skarveth.ini (their keys are in SettingsTable.h; the initializers are the
// defaults). The window's settings, VSync and FrameDelay are handed to the display and the frame
// timer at start; the rest stay for the whole run.
struct TSettings {
  bool FullScreen = true;
  // The window's inner size in window mode, kept from the last run; 0 lets the game choose.
  std::int32_t WindowWidth = 0;
  std::int32_t WindowHeight = 0;
  bool WindowMaximized = false;
  bool VSync = true;
  std::int32_t FrameDelay = 16;
  bool DrawFPS = false;
  bool SoundOff = false;
  bool MusicOff = false;
  std::int32_t SoundVolume = 255;
  std::int32_t MusicVolume = 255;
  std::string PlayerName = kDefaultPlayerName;
  bool SkipIntro = false;
  std::string TestMapPath;
  bool TestMode = false;
  bool ChatDisabled = false;
  friend bool operator==(const TSettings&, const TSettings&) = default;
};

// Reads the settings file (never creates it). A file over 1 MB, missing file, section or key
// and malformed numbers give the defaults; no value is clamped. A test map forces test mode and
// turns chat off.
TSettings LoadConfig(const std::string& settings_file);

// The whole settings file holding `settings`, every key in its section (texts in quotes).
std::string SettingsFileText(const TSettings& settings);

// Plays `test_map` in test mode, as a TestMap setting would.
void UseTestMap(TSettings& settings, const std::string& test_map);

// What a normal close writes back: the player's name, and the window's settings when this run
// changed them.
struct TClosingSettings {
  TClosingSettings(std::string player_name) : PlayerName(std::move(player_name)) {}
  std::string PlayerName;
  std::optional<bool> FullScreen;
  std::optional<std::int32_t> WindowWidth;
  std::optional<std::int32_t> WindowHeight;
  std::optional<bool> WindowMaximized;
};

// Writes them into the settings file in one go, keeping every other line and value (they go
// into the section the settings were read from), and makes the file's folder when it is
// missing. A failed write leaves the file exactly as it was, prints one line on standard error
// naming the file and the reason, and returns false with the reason in `problem` (when given).
bool SaveSettings(const std::string& settings_file, const TClosingSettings& values,
                  std::string* problem = nullptr);

}  // namespace sk
