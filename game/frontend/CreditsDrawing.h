#pragma once
#include "game/render/Geometry.h"

namespace sk {

struct Application;

// The black column the credits scroll in, over the moving menu background.
inline constexpr TRect kCreditsBand{80, 0, kScreenWidth - 80, kScreenHeight};
// Distance between the centres of two credit lines.
inline constexpr int kCreditLineSpacing = 40;

// The credit lines at the current scroll position, clipped to the band.
void DrawCreditsText(Application& app);

}  // namespace sk
