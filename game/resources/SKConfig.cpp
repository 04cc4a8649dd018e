#include "game/resources/SKConfig.h"

#include <cstdio>
#include <type_traits>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/Printable.h"
#include "game/resources/SettingsTable.h"

namespace sk {

TSettings LoadConfig(const std::string& settings_file) {
  const IniFile ini = IniFile::Load(settings_file);
  TSettings s;
  for (const TSettingRow& row : kSettingRows) {
    std::visit(
        [&](auto field) {
          auto& value = s.*field;
          using T = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<T, bool>)
            value = ini.ReadInteger(kConfigSection, row.Key, value ? 1 : 0) != 0;
          else if constexpr (std::is_same_v<T, std::int32_t>)
            value = ini.ReadInteger(kConfigSection, row.Key, value);
          else
            value = ini.ReadString(kConfigSection, row.Key, value);
        },
        row.Field);
  }
  if (!s.TestMapPath.empty()) UseTestMap(s, s.TestMapPath);
  return s;
}

std::string SettingsFileText(const TSettings& settings) {
  // Quotes keep a text exactly as it is: the reader removes one enclosing pair.
  const auto quoted = [](const std::string& text) { return "\"" + text + "\""; };
  std::string text = std::string("[") + kConfigSection + "]\n";
  for (const TSettingRow& row : kSettingRows) {
    text.append(row.Key).append("=").append(SettingValueText(settings, row, quoted)).append("\n");
  }
  return text;
}

void UseTestMap(TSettings& settings, const std::string& test_map) {
  settings.TestMapPath = test_map;
  settings.TestMode = true;
  settings.ChatDisabled = true;
}

bool SaveSettings(const std::string& settings_file, const TClosingSettings& values,
                  std::string* problem) {
  const auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
  std::vector<std::pair<std::string, std::string>> keys = {
      {SettingKey(&TSettings::PlayerName), values.PlayerName}};
  if (values.FullScreen)
    keys.emplace_back(SettingKey(&TSettings::FullScreen), flag(*values.FullScreen));
  if (values.WindowWidth)
    keys.emplace_back(SettingKey(&TSettings::WindowWidth), std::to_string(*values.WindowWidth));
  if (values.WindowHeight)
    keys.emplace_back(SettingKey(&TSettings::WindowHeight), std::to_string(*values.WindowHeight));
  if (values.WindowMaximized)
    keys.emplace_back(SettingKey(&TSettings::WindowMaximized), flag(*values.WindowMaximized));
  std::string reason;
  if (MakeFolders(FolderOf(settings_file), &reason) &&
      WriteProfileStrings(settings_file, kConfigSection, keys, &reason))
    return true;
  // The close goes on; whoever looks at the console learns why the settings were not kept.
  std::fprintf(stderr, "Cannot save the settings to %s: %s\n", PrintableText(settings_file).c_str(),
               PrintableText(reason).c_str());
  if (problem) *problem = reason;
  return false;
}

}  // namespace sk
