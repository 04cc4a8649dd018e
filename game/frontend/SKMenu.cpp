#include "game/frontend/SKMenu.h"

#include "game/shell/Application.h"

namespace sk {

void MenuStep(Application& app) {
  if (!app.DXDraw->CanDraw()) return;
  FillSurface(app.Graphics.BackSurface, 0);
  app.DXDraw->Flip();
}

void MenuKeyDown(Application&, std::uint16_t) {}

void MenuKeyPress(Application&, std::uint8_t) {}

void MenuClick(Application&) {}

}  // namespace sk
