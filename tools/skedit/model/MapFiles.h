#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mapbuilder/MapDescription.h"

// Opening, starting and saving maps in the editor. Reading and building go through SKMAP's
// own code, so a saved map is the file `skmap` makes from the saved description.
namespace sk::edit {

// Pictures taken out of a map file, written beside its description at the first save.
struct TPendingPictures {
  std::vector<std::uint8_t> Background;
  std::vector<std::uint8_t> Mask;
};

struct TOpenedMap {
  TMapDescription Map;
  std::string DescriptionFile;
  std::optional<TPendingPictures> Pending;
};

// A description, read as SKMAP reads it. Nothing, with SKMAP's message in `problem`, when
// SKMAP would refuse it.
std::optional<TOpenedMap> OpenDescription(const std::string& file, std::string& problem);

// A built map: its description is to be FILE.ini beside it, its pictures FILE.jpg and
// FILE_mask.bmp, and it is built back into the same file. When its folder takes no files (a
// shipped map of an installed copy), all of them go to `writable_folder` (ending in '/')
// instead, where the game's copy of the same name replaces the shipped one.
std::optional<TOpenedMap> OpenMapFile(const std::string& file, std::string& problem,
                                      const std::string& writable_folder = "");

// A new map of one empty path with the exit in the middle of the floor, named after the
// description's file, built into `map_folder` (ending in '/'), its pictures named by full
// paths.
TOpenedMap NewMap(const std::string& description, const std::string& background,
                  const std::string& mask, const std::string& map_folder);

// Writes the pending pictures (if any), the description and the map it builds. The pictures
// are read back and the map built exactly as SKMAP does. Nothing on success; otherwise the
// message, with nothing written when the description itself is at fault.
std::optional<std::string> SaveMap(const std::string& description_file, const TMapDescription& d,
                                   const std::optional<TPendingPictures>& pending);

}  // namespace sk::edit
