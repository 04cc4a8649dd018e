#include "game/resources/SKConfig.h"

#include <cstdio>

#include "common/IniFile.h"

namespace sk {
namespace {

std::string ConfigPath(const std::string& program_dir) { return program_dir + "Skarveth.ini"; }

}  // namespace

TSettings LoadConfig(const std::string& program_dir) {
  const IniFile ini = IniFile::Load(ConfigPath(program_dir));
  const auto flag = [&](const char* key, bool fallback) {
    return ini.ReadInteger(kConfigSection, key, fallback ? 1 : 0) != 0;
  };
  const auto number = [&](const char* key, std::int32_t fallback) {
    return ini.ReadInteger(kConfigSection, key, fallback);
  };
  TSettings s;
  s.FullScreen = flag("FullScreen", true);
  s.VSync = flag("VSync", true);
  s.FrameDelay = number("FrameDelay", 16);
  s.DrawFPS = flag("DrawFPS", false);
  s.SoundOff = flag("DisableSound", false);
  s.MusicOff = flag("DisableMusic", false);
  s.SoundVolume = number("SoundVolume", 255);
  s.MusicVolume = number("MusicVolume", 255);
  s.PlayerName = ini.ReadString(kConfigSection, "Name", kDefaultPlayerName);
  s.SkipIntro = flag("SkipIntro", false);
  s.TestMapPath = ini.ReadString(kConfigSection, "TestMap", "");
  s.ChatDisabled = flag("DisableChat", false);
  if (!s.TestMapPath.empty()) {
    s.TestMode = true;
    s.ChatDisabled = true;
  }
  return s;
}

void SaveName(const std::string& program_dir, const std::string& player_name) {
  const std::string path = ConfigPath(program_dir);
  std::string reason;
  if (WriteProfileString(path, kConfigSection, "Name", player_name, &reason)) return;
  // The close goes on; whoever looks at the console learns why the name was not kept.
  std::fprintf(stderr, "Cannot save the name to %s: %s\n", path.c_str(), reason.c_str());
}

}  // namespace sk
