#include "game/frontend/CreditsDrawing.h"

#include "game/frontend/SKCredits.h"
#include "game/render/ColorText.h"

namespace sk {

void DrawCreditsText(const TScreenFrame& frame, const TCreditsState& credits) {
  TTextCanvas& canvas = SurfaceCanvas(frame.Graphics);
  DrawFrameRate(frame);
  SetGameFont(canvas, 10, RgbColor(192, 192, 192));
  canvas.Brush.Style = TBrushStyle::Clear;
  // Lines wholly above or below the band are not laid out at all: most of the list is out of
  // sight in any one frame.
  const int reach = canvas.TextHeight("Ag");
  const std::int64_t counter = credits.CreditsCounter;
  for (std::size_t i = 0; i < CreditLines.size(); ++i) {
    const std::int64_t y = kCreditLineSpacing * static_cast<std::int64_t>(i) - counter;
    if (y + reach < kCreditsBand.Top || y - reach >= kCreditsBand.Bottom) continue;
    DrawText(canvas, kCreditsBand, 320, static_cast<int>(y), CreditLines[i], false,
             TextAlign::Centre);
  }
  ReleaseCanvas(canvas);
}

}  // namespace sk
