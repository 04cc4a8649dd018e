#pragma once
#include <cstdint>

namespace sk {

// The game's one pseudo-random generator. Every random choice of a match draws from it, so
// a known seed replays a match exactly.
class Random {
 public:
  explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

  // A number from 0 to n - 1: the seed steps first, then the upper half of seed * n.
  std::uint32_t Draw(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
  }
  std::uint32_t Seed() const { return seed_; }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }

 private:
  std::uint32_t seed_;
};

// Milliseconds since midnight of the current UTC day: the seed of a new run.
std::uint32_t MillisecondsSinceUtcMidnight();

}  // namespace sk
