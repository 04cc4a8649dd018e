#include "common/Printable.h"

#include <cstdint>

namespace sk {
namespace {

// The invisible marks that turn the direction of the text after them: a file name with one can
// show "evil\u202Egnp.exe" as "evilexe.png". They are escaped like the control characters.
bool TurnsDirection(std::uint32_t code) {
  return code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
         (code >= 0x2066 && code <= 0x2069);
}

// The length of the printable UTF-8 character at the start of `text`, or 0.
std::size_t PrintableCharacter(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7F ? 1 : 0;
  std::size_t length = 0;
  std::uint32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = code << 6 | (byte(i) & 0x3F);
  }
  static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool valid = code >= kSmallest[length] && code <= 0x10FFFF &&
                     (code < 0xD800 || code > 0xDFFF) && code >= 0xA0 &&  // no C1 controls
                     !TurnsDirection(code);
  return valid ? length : 0;
}

}  // namespace

std::string PrintableText(std::string_view text, bool keepLineBreaks) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = PrintableCharacter(text);
    if (length == 0 && keepLineBreaks && text.front() == '\n') length = 1;
    if (length > 0) {
      out.append(text.substr(0, length));
      text.remove_prefix(length);
      continue;
    }
    const auto b = static_cast<std::uint8_t>(text.front());
    out += "\\x";
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
    text.remove_prefix(1);
  }
  return out;
}

}  // namespace sk
