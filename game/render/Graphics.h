#pragma once
#include <string>
#include <utility>

#include "game/render/ImageList.h"
#include "game/render/Surface.h"
#include "game/render/TextCanvas.h"

namespace sk {

// The rendering state of the running game: the back surface, the image list and the back
// surface's text canvas. The application object owns one.
struct TGraphics {
  explicit TGraphics(std::string fontPath) : Canvas(std::move(fontPath)) {}
  TSurface BackSurface = MakeBackSurface();
  TImageList Images;
  TTextCanvas Canvas;
};

inline TTextCanvas& SurfaceCanvas(TGraphics& g) { return SurfaceCanvas(g.Canvas, g.BackSurface); }

}  // namespace sk
