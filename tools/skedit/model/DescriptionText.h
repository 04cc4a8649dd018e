#pragma once
#include <string>

#include "mapbuilder/MapDescription.h"

namespace sk::edit {

// The description SKMAP reads back as `d`: the map section, then one section per path with
// its waypoints numbered from 1. Values that reading would change (blanks at either end, a
// pair of enclosing quotes) are quoted; line breaks, which no value can hold, are dropped.
std::string DescriptionText(const TMapDescription& d);

}  // namespace sk::edit
