#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

// Virtual-key codes by readable names: "Escape", "Enter", "A", "7", "F1", ... Codes without
// a name are written "vk" and the decimal code ("vk186"), so every code a key event can carry
// (0 to 65535) has a spelling.
std::string DemoKeyName(std::uint16_t key);
std::optional<std::uint16_t> DemoKeyFromName(std::string_view name);

}  // namespace sk
