#pragma once
#include <cstdint>

namespace sk {

// The desktop's virtual-key code of an SDL key code (Escape 27, Enter 13, 'A' 65, ...);
// 0 for keys the game has no code for.
std::uint16_t VirtualKey(std::int32_t sdlKeycode);

}  // namespace sk
