#include "game/frontend/MenuDrawing.h"

#include "game/frontend/SKMenu.h"
#include "game/render/Draw.h"
#include "game/shell/Application.h"

namespace sk {

void DrawMenuBackground(Application& app) {
  const TImage& tile = FindImage(app.DXImageList(), "Menu_Background.bmp");
  const int w = ImageWidth(tile);
  const int h = ImageHeight(tile);
  std::int32_t& offset = MenuRecord(app).BackgroundOffset;
  if (app.ScreenState != kScreenIntro && offset > -w && offset > -h) {
    --offset;
  } else {
    offset = 0;
  }
  // An empty tile (a broken override in Data/) would never cover the screen.
  if (w <= 0 || h <= 0) return;
  for (int y = -offset - h; y < kScreenHeight; y += h) {
    for (int x = -offset - w; x < kScreenWidth; x += w) {
      DrawImage(tile, app.Graphics.BackSurface, x, y, 0);
    }
  }
}

}  // namespace sk
