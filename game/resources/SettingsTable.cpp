#include "game/resources/SettingsTable.h"

#include <type_traits>

namespace sk {

std::array<const TSettingRow*, kDemoSettingCount> DemoSettingRows() {
  std::array<const TSettingRow*, kDemoSettingCount> rows{};
  for (const TSettingRow& row : kSettingRows) {
    if (row.DemoPlace > 0) rows.at(static_cast<std::size_t>(row.DemoPlace - 1)) = &row;
  }
  return rows;
}

const char* SettingKey(TSettingField field) {
  for (const TSettingRow& row : kSettingRows) {
    if (row.Field == field) return row.Key;
  }
  return "";
}

const TSettingRow* FindSettingRow(std::string_view key) {
  for (const TSettingRow& row : kSettingRows) {
    if (key == row.Key) return &row;
  }
  return nullptr;
}

void CopyDemoSettings(const TSettings& from, TSettings& to) {
  for (const TSettingRow* row : DemoSettingRows()) {
    std::visit([&](auto field) { to.*field = from.*field; }, row->Field);
  }
}

std::string SettingValueText(const TSettings& settings, const TSettingRow& row,
                             std::string (*quote)(const std::string&)) {
  return std::visit(
      [&](auto field) -> std::string {
        const auto& value = settings.*field;
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
          return value ? "1" : "0";
        else if constexpr (std::is_same_v<T, std::int32_t>)
          return std::to_string(value);
        else
          return quote(value);
      },
      row.Field);
}

}  // namespace sk
