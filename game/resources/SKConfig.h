#pragma once
#include <cstdint>
#include <string>

namespace sk {

inline constexpr const char* kConfigSection = "Skarveth Configuration";
inline constexpr const char* kDefaultPlayerName = "Unknown ^1Skarveth^7er";

// Every setting of Skarveth.ini. The first three are handed to the display and the frame
// timer at start and not kept; the rest stay for the whole run.
struct TSettings {
  bool FullScreen = true;
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
};

// Reads ProgramDir + "Skarveth.ini" (never creates it). A file over 1 MB, missing file, section or
// key and malformed numbers give the defaults; no value is clamped. A test map forces test mode and
// turns chat off.
TSettings LoadConfig(const std::string& program_dir);

// Writes the player's name back into the settings file, keeping every other line and value
// (the name goes into the section the settings were read from). A failed write leaves the file
// exactly as it was and prints one line on standard error naming the file and the reason; the
// close goes on.
void SaveName(const std::string& program_dir, const std::string& player_name);

}  // namespace sk
