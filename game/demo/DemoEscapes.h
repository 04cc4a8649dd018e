#pragma once
#include <cstdint>
#include <string>

// The escapes of the demo format's texts and characters, shared by its reader and writer.
namespace sk {

// A typed character as the demo writes it: itself when printable, else \xHH.
std::string CharacterText(std::uint8_t ch);
// The value of one hexadecimal digit, or -1.
int HexValue(char c);

}  // namespace sk
