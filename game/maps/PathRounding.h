#pragma once
#include <cstdint>

namespace sk {

// num / den * mult rounded to a whole number the way the game has always walked its paths:
// the quotient rounded to 64 significant bits, then the product rounded to 64 significant
// bits, then the result to the nearest integer, halves to even; 0 when den is 0. Worked out
// in integers only, so it is the same on every processor.
std::int64_t ScaledStep(std::uint16_t num, std::uint16_t den, std::uint16_t mult);

}  // namespace sk
