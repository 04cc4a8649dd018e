#pragma once
#include <string>

#include "game/render/Geometry.h"
#include "game/render/Graphics.h"

namespace sk {

struct Application;

// What a screen's drawing works on for one frame: the back surface with its canvas and
// pictures, where the pointer is, and the frame-rate corner's text (empty while it is off).
struct TScreenFrame {
  TGraphics& Graphics;
  TPoint MousePos;
  std::string FrameRate;
};

TScreenFrame ScreenFrame(Application& app);

// "FPS: " and the frame rate, right-aligned at the top of the frame; nothing while it is off.
// Called with the back surface's canvas already taken.
void DrawFrameRate(const TScreenFrame& frame);

}  // namespace sk
