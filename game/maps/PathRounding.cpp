#include "game/maps/PathRounding.h"

#include <bit>
#include <limits>

namespace sk {
namespace {

// The paths were first walked with 80-bit floating point (64 significant bits, each
// operation rounded to nearest, ties to even). A point one pixel off changes which shot
// hits, so stored demos and score tables only replay if every machine rounds exactly as
// that did, and that type has a different width on every other processor. Here each of its
// roundings is done by hand on exact integers, in 64 bits, which every processor has.

// m * 2^e with m in [2^63, 2^64), or m = 0.
struct TExtended {
  std::uint64_t M = 0;
  int E = 0;
};

// `kept` (64 bits) rounded up by one when what was cut off, compared with half of the last
// kept place (`beyond`: below, equal or above it, as -1, 0, 1), says so; ties go to even.
// A carry out of the top makes 2^64, kept as 2^63 one place up.
TExtended RoundUp(std::uint64_t kept, int e, int beyond) {
  if (beyond < 0 || (beyond == 0 && (kept & 1) == 0)) return {kept, e};
  if (kept == std::numeric_limits<std::uint64_t>::max()) return {std::uint64_t{1} << 63, e + 1};
  return {kept + 1, e};
}

int Compare(std::uint64_t a, std::uint64_t b) { return a < b ? -1 : a > b ? 1 : 0; }

// num / den. The first quotient, num * 2^47 / den, has 32 to 63 bits; d more bits, taken from
// its remainder (below 2^16, so shifting it by up to 32 stays exact), make 64 of them, and
// the last remainder tells how the cut-off rest compares with a half.
TExtended Divide(std::uint16_t num, std::uint16_t den) {
  if (num == 0) return {};
  const std::uint64_t first = (std::uint64_t{num} << 47) / den;
  const std::uint64_t rest = (std::uint64_t{num} << 47) % den;
  const int d = 64 - std::bit_width(first);
  const std::uint64_t q = (first << d) + (rest << d) / den;
  const std::uint64_t r = (rest << d) % den;
  return RoundUp(q, -47 - d, Compare(2 * r, den));
}

// x * mult: the product of up to 80 bits is held as H * 2^32 + L, cut to its top 64 bits.
TExtended Multiply(TExtended x, std::uint16_t mult) {
  if (x.M == 0 || mult == 0) return {};
  const std::uint64_t low = (x.M & 0xFFFFFFFFu) * mult;
  const std::uint64_t high = (x.M >> 32) * mult + (low >> 32);
  const std::uint64_t l = low & 0xFFFFFFFFu;
  const int cut = 32 + std::bit_width(high) - 64;  // 0 .. 16
  const std::uint64_t kept = (high << (32 - cut)) | (l >> cut);
  if (cut == 0) return {kept, x.E};
  const std::uint64_t dropped = l & ((std::uint64_t{1} << cut) - 1);
  return RoundUp(kept, x.E + cut, Compare(dropped, std::uint64_t{1} << (cut - 1)));
}

// To the nearest integer, halves to even. With every operand below 2^16 the value lies
// between 2^-16 and 2^32, so e lies in -79 .. -32.
std::int64_t RoundToInteger(TExtended x) {
  const int down = -x.E;
  if (x.M == 0 || down > 64) return 0;  // below a half
  if (down == 64) return x.M > std::uint64_t{1} << 63 ? 1 : 0;
  const std::uint64_t whole = x.M >> down;
  const std::uint64_t rest = x.M & ((std::uint64_t{1} << down) - 1);
  return static_cast<std::int64_t>(
      RoundUp(whole, 0, Compare(rest, std::uint64_t{1} << (down - 1))).M);
}

}  // namespace

std::int64_t ScaledStep(std::uint16_t num, std::uint16_t den, std::uint16_t mult) {
  if (den == 0) return 0;
  return RoundToInteger(Multiply(Divide(num, den), mult));
}

}  // namespace sk
