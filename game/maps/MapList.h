#pragma once
#include <string>
#include <vector>

namespace sk {

struct TMapListEntry {
  std::string Name;      // the display name stored in the file
  std::string FileName;  // the file's name, without any folder
  std::string Folder;    // the folder it was listed from, ending in '/'
  std::string File() const { return Folder + FileName; }
  friend bool operator==(const TMapListEntry&, const TMapListEntry&) = default;
};

using TMapList = std::vector<TMapListEntry>;

// Every regular file in the map folders (each ending in '/') whose name ends in ".map" (in any
// case), ordered by name without regard to case (names equal but for case in the order of their
// bytes), each with the name read from it. A file in a later folder hides every file of an
// earlier folder whose name is the same without regard to case, as the player's own maps hide
// the shipped ones; it does so even when it turns out to be no readable map. Files that are not
// readable maps are left out; missing folders add nothing. Only the start of each file is read.
TMapList BuildMapList(const std::vector<std::string>& folders);

// The file named `fileName` in the last of `folders` that holds one by exactly that name;
// empty when none does.
std::string FindMapFile(const std::vector<std::string>& folders, const std::string& fileName);

}  // namespace sk
