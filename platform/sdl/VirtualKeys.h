#pragma once
#include <cstdint>

namespace sk {

// The virtual-key code a screen gets for a key SDL reports (Escape 27, Enter 13, 'A' 65, ...).
// The key's own code decides where the desktop has a virtual key for it: letters, digits and
// every key that is not a character (function, cursor, keypad, media keys). A character key
// without one (é, ö, '#' on many layouts) counts by its place on the keyboard, as the key of
// a US layout at that place (the OEM codes for punctuation), and a key the desktop has no
// code for at all gets 255, as there. So no key is lost; 0 only when SDL knows neither the
// key nor its place.
std::uint16_t VirtualKey(std::int32_t sdlKeycode, std::int32_t sdlScancode);

}  // namespace sk
