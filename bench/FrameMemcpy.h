#pragma once
// The yardstick every frame benchmark is read against: copying one 640 x 480 RGB565 frame,
// the least any frame can cost.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "game/render/Geometry.h"

namespace sk::bench {

inline constexpr std::size_t kFrameBytes = sk::kScreenWidth * sk::kScreenHeight * 2;

inline void BM_FrameMemcpy(benchmark::State& state) {
  std::vector<std::uint8_t> src(kFrameBytes, 1), dst(kFrameBytes);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), kFrameBytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameMemcpy);

}  // namespace sk::bench
