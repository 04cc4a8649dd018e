#include "game/frontend/ScreenFrame.h"

#include "game/render/ColorText.h"
#include "game/shell/Application.h"
#include "game/shell/SKMain.h"

namespace sk {

TScreenFrame ScreenFrame(Application& app) {
  return {app.Graphics, app.MousePos, app.Settings.DrawFPS ? FrameRateText(app) : std::string()};
}

void DrawFrameRate(const TScreenFrame& frame) {
  if (frame.FrameRate.empty()) return;
  TTextCanvas& canvas = frame.Graphics.Canvas;
  SetGameFont(canvas, 10, 0xFFFFFF);
  canvas.Brush.Color = 0x000000;
  canvas.Brush.Style = TBrushStyle::Solid;
  canvas.TextOut(kScreenWidth - canvas.TextWidth(frame.FrameRate), 0, frame.FrameRate);
  // The caller's own text goes on without a box.
  canvas.Brush.Style = TBrushStyle::Clear;
}

}  // namespace sk
