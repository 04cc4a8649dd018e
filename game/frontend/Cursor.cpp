#include "game/frontend/Cursor.h"

#include <algorithm>

#include "game/render/Draw.h"

namespace sk {

void DrawCursor(const TImageList& images, TSurface& surface, const IDisplay& display,
                std::uint8_t screenState, TPoint mousePos) {
  // The system pointer only decides whether to draw; the picture goes where the last mouse
  // move put MousePos.
  if (!display.PointerOverDrawingArea()) return;
  const TImage& cursor = FindImage(images, screenState == 1 ? "Cursor.bmp" : "Menu_Cursor.bmp");
  const auto place = [](long long at, int size) {
    return static_cast<int>(std::clamp(at - size / 2, -(1LL << 30), 1LL << 30));
  };
  DrawImage(cursor, surface, place(mousePos.X, ImageWidth(cursor)),
            place(mousePos.Y, ImageHeight(cursor)), 0);
}

}  // namespace sk
