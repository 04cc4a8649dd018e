#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "game/resources/SKConfig.h"

namespace sk {

// One row per key of Skarveth.ini: the settings reader, the demo's reader and writer and the
// playback folder's settings file all go through this table. A setting's default is the
// initializer of its field in TSettings.
using TSettingField =
    std::variant<bool TSettings::*, std::int32_t TSettings::*, std::string TSettings::*>;

struct TSettingRow {
  const char* Key;  // in Skarveth.ini and on a demo's "setting" lines
  TSettingField Field;
  // 0: a demo does not pin it (it only changes how a session is shown and heard); otherwise
  // its place among a demo's setting lines.
  int DemoPlace = 0;
  // How a demo's refusals name a number or a text value (a flag goes by its key).
  const char* DemoWhat = "";
};

// In the order of the settings file the playback folder gets.
inline constexpr std::array<TSettingRow, 15> kSettingRows{{
    {"FullScreen", &TSettings::FullScreen},
    {"WindowWidth", &TSettings::WindowWidth},
    {"WindowHeight", &TSettings::WindowHeight},
    {"WindowMaximized", &TSettings::WindowMaximized},
    {"VSync", &TSettings::VSync},
    {"FrameDelay", &TSettings::FrameDelay, 1, "frame delay"},
    {"DrawFPS", &TSettings::DrawFPS},
    {"DisableSound", &TSettings::SoundOff, 5},
    {"DisableMusic", &TSettings::MusicOff, 6},
    {"SoundVolume", &TSettings::SoundVolume},
    {"MusicVolume", &TSettings::MusicVolume},
    {"Name", &TSettings::PlayerName, 7, "the name"},
    {"SkipIntro", &TSettings::SkipIntro, 2},
    {"TestMap", &TSettings::TestMapPath, 3, "the test map"},
    {"DisableChat", &TSettings::ChatDisabled, 4},
}};

inline constexpr std::size_t kDemoSettingCount =
    std::ranges::count_if(kSettingRows, [](const TSettingRow& row) { return row.DemoPlace > 0; });

// The rows a demo pins, in the order of its setting lines.
std::array<const TSettingRow*, kDemoSettingCount> DemoSettingRows();

// The key of `field`'s row.
const char* SettingKey(TSettingField field);

// The row of `key`, or none.
const TSettingRow* FindSettingRow(std::string_view key);

// Copies the settings a demo pins from `from` into `to`.
void CopyDemoSettings(const TSettings& from, TSettings& to);

// `row`'s value as a settings file or a demo writes it: a flag as 0 or 1, a number in decimal,
// a text through `quote`.
std::string SettingValueText(const TSettings& settings, const TSettingRow& row,
                             std::string (*quote)(const std::string&));

}  // namespace sk
