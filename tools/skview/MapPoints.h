#pragma once
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace sk {

// Prints every path's per-tick points as the game computes them, one line per table entry:
// "path index x y", paths counted from 1, entries from 0.
void PrintMapPoints(const std::string& file_name, std::span<const std::uint8_t> bytes,
                    std::FILE* out);

}  // namespace sk
