#pragma once
#include <optional>
#include <string>

// Whose folders the game reads its files from. Another user who can put files where the game
// looks for them could hand the player their maps, archive, font or settings, so the game
// judges each place by who owns it and who may write into it, never by its name alone.
namespace sk {

// True when `programDir` and `dataDir` (both ending in '/') are the folders of a real install
// tree: the program sits in a "bin" folder, and the data folder and the marker in it are no
// links, were made by root or the player, and nobody else may write them; every folder above
// the data folder is the same, or a sticky folder like /tmp, where nobody can move another's
// folder away. A ready-to-play folder copied somewhere shared, beside which someone else made a
// share/skarveth/, stays a ready-to-play folder.
bool IsInstallTree(const std::string& programDir, const std::string& dataDir,
                   const std::string& markerName);

// Why the player's own folder `folder` (settings, or maps and scores; ending in '/') cannot be
// used, or nothing: it must belong to the player and be writable by nobody else, and the folder
// holding it must be the player's or root's and writable by others only when sticky. A folder
// that does not exist yet is fine (the game makes it, private); `what` names it for the player.
std::optional<std::string> PlayerFolderProblem(const std::string& folder, const std::string& what);

}  // namespace sk
