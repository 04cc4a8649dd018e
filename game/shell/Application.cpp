#include "game/shell/Application.h"

#include "game/shell/SKMain.h"

namespace sk {

Application::Application(ShellServices services)
    : Platform(std::move(services)), Graphics(Platform.fontPath) {
  DXDraw = Platform.makeDisplay(Graphics.BackSurface, Graphics.Images);
  DXDraw->OnInitialize = [this] { DXDrawInitialize(*this); };
  DXDraw->OnFinalize = [this] { DXDrawFinalize(*this); };
}

}  // namespace sk
