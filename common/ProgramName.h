#pragma once
#include <string>
#include <string_view>

namespace sk {

// What a program calls itself and the other programs of the game in usage lines and messages.
// Installed copies are commands typed in lower case (skmap, skview); the ready-to-play folder
// keeps the names its files have (SKMAP, SKVIEW). The running program's own file tells which:
// a file named all in lower case is an installed command, and so are its siblings. This needs
// nothing of the install layout, so every tool, SKMAP included, can ask it.
std::string CommandName(std::string_view built_name);

// The same rule for a given running file name (the file's name, not its folder).
std::string CommandNameFor(std::string_view running_file, std::string_view built_name);

}  // namespace sk
