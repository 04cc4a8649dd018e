#pragma once
#include <cstdint>
#include <string_view>

#include "game/frontend/ScreenFrame.h"
#include "game/play/SKGame.h"
#include "game/render/Geometry.h"

// One frame of the game screen, drawn from the match state: the scene (background, models
// and their blood, scenery, rail trail, reload bar, numbers) and the head-up display over it.
namespace sk {

// The pictures of the frame, bottom to top. Also finds the live model under the pointer
// (HoveredModel), the only match state drawing ever changes.
void DrawGameScene(const TScreenFrame& frame, const TMapState& map, TGameState& game);
// The texts and the countdown ring, on the back surface's canvas (taken and released here).
void DrawGameHud(const TScreenFrame& frame, const TMapState& map, const TGameState& game,
                 const TModels& models);
// The square of the shrinking ring around the map's final waypoint during the countdown.
TRect CountdownRingRect(const TMapState& map, const TGameState& game);

// The arithmetic of the pictures above, kept apart so that it can be checked by itself.

// The frame of "Blood.bmp" over a model with `dying` steps left; -1 for none (the first two
// steps after the kill, and once the body is gone).
int BloodFrame(std::int32_t dying);
// The width of the reload bar: the whole screen when ready, nothing right after a shot.
int ReloadBarWidth(std::int32_t reload_time);

struct TRailTrailPlacement {
  int Length = 0;  // pixels from the gun to the shot point
  int Angle = 0;   // 256 per turn, clockwise on screen, 0 straight up
  int Alpha = 0;   // 0..255
};
TRailTrailPlacement PlaceRailTrail(TPoint shot_point, std::int32_t trail_time);

// The countdown word shown at this CountdownTime; empty when none is shown.
std::string_view CountdownWord(std::int32_t countdown_time);

}  // namespace sk
