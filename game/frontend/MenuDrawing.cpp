#include "game/frontend/MenuDrawing.h"

#include "game/render/Draw.h"

namespace sk {

void DrawMenuBackground(TGraphics& g, std::int32_t& offset, bool scrolling) {
  const TImage& tile = FindImage(g.Images, "Menu_Background.bmp");
  const int w = ImageWidth(tile);
  const int h = ImageHeight(tile);
  if (scrolling && offset > -w && offset > -h) {
    --offset;
  } else {
    offset = 0;
  }
  // An empty tile (a broken override in Data/) would never cover the screen.
  if (w <= 0 || h <= 0) return;
  for (int y = -offset - h; y < kScreenHeight; y += h) {
    for (int x = -offset - w; x < kScreenWidth; x += w) {
      DrawImage(tile, g.BackSurface, x, y, 0);
    }
  }
}

}  // namespace sk
