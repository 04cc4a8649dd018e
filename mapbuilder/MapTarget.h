#pragma once
#include <string>

#include "mapbuilder/MapDescription.h"

namespace sk {

// Why SKMAP must not write its map to `path`: something that is not a map file stands there
// (a description that names the wrong file must never cost the author that file). Empty when
// nothing stands there or an earlier map does, which a rebuild replaces.
std::string MapTargetProblem(const std::string& path);

// A line of advice for each file path of the description that starts with "~": only a shell
// turns that into the home folder, SKMAP reads it as a folder named "~".
std::string TildeHints(const TMapDescription& d);

}  // namespace sk
