#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace sk {

// The desktop's string-to-integer: optional leading blanks, optional sign, then decimal
// digits, or hexadecimal digits after "$", "0x" or "0X". Nothing may follow the number.
// Decimal values must fit a signed 32-bit integer; hexadecimal takes up to 8 significant
// digits as a 32-bit pattern ("$FFFFFFFF" is -1). Anything else is no number at all.
std::optional<std::int32_t> ParseInt(std::string_view text);

// ParseInt, or `fallback` when the text is not a number.
std::int32_t ParseIntDef(std::string_view text, std::int32_t fallback);

}  // namespace sk
