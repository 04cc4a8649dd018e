#pragma once
#include "game/frontend/SKCredits.h"
#include "game/frontend/ScreenFrame.h"
#include "game/render/Geometry.h"

namespace sk {

// The black column the credits scroll in, over the moving menu background.
inline constexpr TRect kCreditsBand{80, 0, 560, 480};
// Distance between the centres of two credit lines.
inline constexpr int kCreditLineSpacing = 40;

// The credit lines at the current scroll position, clipped to the band.
void DrawCreditsText(const TScreenFrame& frame, const TCreditsState& credits);

}  // namespace sk
