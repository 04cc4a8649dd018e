#pragma once
#include <string>

namespace sk {

// The folder of the running program's file, ending in '/': every data file of the game
// (settings, archive, Data overrides, maps, scores) is found relative to it.
std::string FindProgramDir();

}  // namespace sk
