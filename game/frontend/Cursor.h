#pragma once
#include <cstdint>

#include "game/platform/Display.h"
#include "game/render/Geometry.h"
#include "game/render/ImageList.h"
#include "game/render/Surface.h"

namespace sk {

// Draws "Cursor.bmp" (game, screen state 1) or "Menu_Cursor.bmp" (menu, 2) centred on
// mousePos — but only while the system pointer is over the drawing area.
void DrawCursor(const TImageList& images, TSurface& surface, const IDisplay& display,
                std::uint8_t screenState, TPoint mousePos);

}  // namespace sk
