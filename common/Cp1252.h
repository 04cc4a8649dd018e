#pragma once
#include <string>
#include <string_view>

namespace sk {

// Every text of the game and its files is 8-bit Windows-1252. These helpers convert at the
// edges (the font rasteriser, typed characters) and compare names the way the desktop's
// case-insensitive file system and profile functions do.

// Lower-case form of one Windows-1252 character (ASCII and the accented letters).
unsigned char FoldCp1252(unsigned char c);
// Case-insensitive equality of two 8-bit names.
bool SameText(std::string_view a, std::string_view b);
// <0, 0, >0 after folding both names to lower case, then comparing bytes.
int CompareText(std::string_view a, std::string_view b);

// Windows-1252 bytes to UTF-8. The five unassigned bytes become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);
// UTF-8 to Windows-1252; characters the code page lacks and broken sequences are dropped.
std::string Utf8ToCp1252(std::string_view text);
// The Unicode code point of one Windows-1252 byte (U+FFFD for the unassigned ones).
char32_t Cp1252CodePoint(unsigned char c);

}  // namespace sk
