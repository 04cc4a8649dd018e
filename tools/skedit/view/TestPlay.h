#pragma once
#include <string>

// F5: the game plays the saved map at once (`--test-map`), and the editor waits for it.
namespace sk::edit {

// The game to test with: the one beside the editor (the ready-to-play folder's or an
// installed copy's), else `skarveth` from the PATH.
std::string FindGameProgram(const std::string& program_dir);

// Starts `game --test-map map_file`; the process id, or 0 with `problem` set.
int StartTestPlay(const std::string& game, const std::string& map_file, std::string& problem);

// True once the game with `pid` has ended (it is then reaped).
bool TestPlayEnded(int pid);

}  // namespace sk::edit
