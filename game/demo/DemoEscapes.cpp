#include "game/demo/DemoEscapes.h"

#include "game/demo/DemoFormat.h"

namespace sk {

std::string CharacterText(std::uint8_t ch) {
  if (ch > ' ' && ch < 0x7F) return std::string(1, static_cast<char>(ch));
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("\\x") + kDigits[ch >> 4] + kDigits[ch & 15];
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string QuoteDemoText(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      out += CharacterText(byte);
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace sk
