#pragma once
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace sk {

// Prints what a map author needs to know about a map file and whether the game plays it.
// Returns the exit status: 0 when the game accepts the map, 1 when not.
int PrintMapReport(const std::string& file_name, std::span<const std::uint8_t> bytes,
                   std::FILE* out);

}  // namespace sk
