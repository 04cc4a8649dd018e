#pragma once
#include <optional>
#include <string>

namespace sk {

// The display name of the map file at `path`, reading only its magic and name. Nothing when
// the file cannot be read, is not a map file or ends inside its name.
std::optional<std::string> ReadMapName(const std::string& path);

}  // namespace sk
