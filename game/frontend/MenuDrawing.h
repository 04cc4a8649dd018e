#pragma once
#include <cstdint>

#include "game/render/Graphics.h"

namespace sk {

// The tiled background that the menu, the end of the intro and the credits scroll behind
// everything else: one pixel right and down per frame, standing still while the intro shows.
void DrawMenuBackground(TGraphics& g, std::int32_t& offset, bool scrolling);

}  // namespace sk
