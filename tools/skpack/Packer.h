#pragma once
#include <string>
#include <vector>

namespace sk {

// Packs the given files (and the regular files of the given folders, in name order) into
// `archive`, replacing it atomically. Prints a summary; returns the exit status.
int PackArchive(const std::string& archive, const std::vector<std::string>& inputs);

// Prints every member of `archive` with its size; returns the exit status.
int ListArchive(const std::string& archive);

}  // namespace sk
