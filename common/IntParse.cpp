#include "common/IntParse.h"

namespace sk {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> ParseHexPattern(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<std::uint64_t> ParseDecimalMagnitude(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 0x80000000ull) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::string_view rest = text.substr(i);

  std::optional<std::uint32_t> hex;
  if (rest.starts_with('$')) {
    hex = ParseHexPattern(rest.substr(1));
    if (!hex) return std::nullopt;
  } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
    hex = ParseHexPattern(rest.substr(2));
    if (!hex) return std::nullopt;
  }
  if (hex) {
    const std::uint32_t pattern = negative ? 0u - *hex : *hex;
    return static_cast<std::int32_t>(pattern);
  }

  const auto magnitude = ParseDecimalMagnitude(rest);
  if (!magnitude) return std::nullopt;
  if (!negative && *magnitude > 0x7FFFFFFFull) return std::nullopt;
  const std::int64_t value = negative ? -static_cast<std::int64_t>(*magnitude)
                                      : static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseIntDef(std::string_view text, std::int32_t fallback) {
  return ParseInt(text).value_or(fallback);
}

}  // namespace sk
