#pragma once
#include <string_view>

#include "game/render/Picture.h"

namespace sk {

// A picture to draw a map preview on. Coordinates are map pixels; the canvas may reach
// beyond the 640 x 480 play area (paths often start off screen), so its top-left corner
// sits at (Left, Top) in map pixels. Everything outside the canvas is clipped.
struct TCanvas {
  int Left = 0;
  int Top = 0;
  TPicture Picture;

  void Plot(int x, int y, TRgb colour);
  void Blend(int x, int y, TRgb colour);  // half and half with what is there
  void Blit(const TPicture& picture);     // at map (0, 0)
  void Line(int x0, int y0, int x1, int y1, TRgb colour, int thickness);
  void Disc(int cx, int cy, int radius, TRgb colour);
  void Ring(int cx, int cy, int radius, TRgb colour);
  // Digits, 'F' and 'P' in a 3 x 5 font scaled by `scale`, outlined in black.
  void Label(int x, int y, std::string_view text, TRgb colour, int scale);
};

}  // namespace sk
