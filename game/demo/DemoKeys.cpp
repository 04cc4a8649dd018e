#include "game/demo/DemoKeys.h"

#include <array>
#include <charconv>
#include <utility>

#include "game/platform/InputEvent.h"

namespace sk {
namespace {

constexpr std::array<std::pair<std::uint16_t, std::string_view>, 23> kNamed = {{
    {kVkBack, "Backspace"}, {kVkTab, "Tab"},     {kVkReturn, "Enter"},    {kVkShift, "Shift"},
    {kVkCtrl, "Ctrl"},      {kVkAlt, "Alt"},     {kVkPause, "Pause"},     {kVkCapsLock, "CapsLock"},
    {kVkEscape, "Escape"},  {kVkSpace, "Space"}, {kVkPageUp, "PageUp"},   {kVkPageDown, "PageDown"},
    {kVkEnd, "End"},        {kVkHome, "Home"},   {kVkLeft, "Left"},       {kVkUp, "Up"},
    {kVkRight, "Right"},    {kVkDown, "Down"},   {kVkInsert, "Insert"},   {kVkDelete, "Delete"},
    {kVkWin, "Win"},        {kVkApps, "Apps"},   {kVkNumLock, "NumLock"},
}};

constexpr int kFunctionKeys = 24;

}  // namespace

std::string DemoKeyName(std::uint16_t key) {
  for (const auto& [code, name] : kNamed) {
    if (code == key) return std::string(name);
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  if (key >= kVkF1 && key < kVkF1 + kFunctionKeys) return "F" + std::to_string(key - kVkF1 + 1);
  return "vk" + std::to_string(key);
}

std::optional<std::uint16_t> DemoKeyFromName(std::string_view name) {
  for (const auto& [code, known] : kNamed) {
    if (known == name) return code;
  }
  if (name.size() == 1 &&
      ((name[0] >= '0' && name[0] <= '9') || (name[0] >= 'A' && name[0] <= 'Z'))) {
    return static_cast<std::uint16_t>(name[0]);
  }
  const auto number = [](std::string_view digits) -> std::optional<unsigned> {
    unsigned value = 0;
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
  };
  if (name.size() > 1 && name[0] == 'F') {
    const auto n = number(name.substr(1));
    if (n && *n >= 1 && *n <= kFunctionKeys && name[1] != '0')
      return static_cast<std::uint16_t>(kVkF1 + *n - 1);
    return std::nullopt;
  }
  if (name.starts_with("vk")) {
    const auto n = number(name.substr(2));
    if (n && *n <= 65535) return static_cast<std::uint16_t>(*n);
  }
  return std::nullopt;
}

}  // namespace sk
