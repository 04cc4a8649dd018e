#include "game/resources/SKConfig.h"

#include <cstdio>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/Printable.h"

namespace sk {

TSettings LoadConfig(const std::string& settings_file) {
  const IniFile ini = IniFile::Load(settings_file);
  const auto flag = [&](const char* key, bool fallback) {
    return ini.ReadInteger(kConfigSection, key, fallback ? 1 : 0) != 0;
  };
  const auto number = [&](const char* key, std::int32_t fallback) {
    return ini.ReadInteger(kConfigSection, key, fallback);
  };
  TSettings s;
  s.FullScreen = flag("FullScreen", true);
  s.WindowWidth = number("WindowWidth", 0);
  s.WindowHeight = number("WindowHeight", 0);
  s.WindowMaximized = flag("WindowMaximized", false);
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
  if (!s.TestMapPath.empty()) UseTestMap(s, s.TestMapPath);
  return s;
}

void UseTestMap(TSettings& settings, const std::string& test_map) {
  settings.TestMapPath = test_map;
  settings.TestMode = true;
  settings.ChatDisabled = true;
}

bool SaveSettings(const std::string& settings_file, const TClosingSettings& values,
                  std::string* problem) {
  std::vector<std::pair<std::string, std::string>> keys = {{"Name", values.PlayerName}};
  if (values.FullScreen) keys.emplace_back("FullScreen", *values.FullScreen ? "1" : "0");
  if (values.WindowWidth) keys.emplace_back("WindowWidth", std::to_string(*values.WindowWidth));
  if (values.WindowHeight) keys.emplace_back("WindowHeight", std::to_string(*values.WindowHeight));
  if (values.WindowMaximized)
    keys.emplace_back("WindowMaximized", *values.WindowMaximized ? "1" : "0");
  std::string reason;
  if (MakeFolders(FolderOf(settings_file), &reason) &&
      WriteProfileStrings(settings_file, kConfigSection, keys, &reason))
    return true;
  // The close goes on; whoever looks at the console learns why the settings were not kept.
  std::fprintf(stderr, "Cannot save the settings to %s: %s\n",
               PrintableText(settings_file).c_str(), PrintableText(reason).c_str());
  if (problem) *problem = reason;
  return false;
}

}  // namespace sk
