#pragma once
#include "game/render/Geometry.h"
#include "game/render/Picture.h"

namespace sk {

// The map picture's size, the screen's: the scenery layer always covers exactly this rectangle.
inline constexpr int kMapWidth = kScreenWidth;
inline constexpr int kMapHeight = kScreenHeight;
inline constexpr TRgb kMaskTransparent{0xFF, 0x00, 0xFF};

// The colour a mask pixel takes: the nearest colour of the standard 16-colour palette,
// ANDed with magenta. Black stays black, white becomes magenta.
TRgb MaskColor(TRgb mask_pixel);

// The scenery layer drawn over the models: 640 x 480, both pictures anchored at the top-left.
// Where the mask colour is black the layer shows the background (black where the background
// does not reach); elsewhere it shows the mask colour, which is magenta — the layer's
// transparent colour — for white. Outside the mask picture nothing is scenery.
TPicture ComposeMaskLayer(const TPicture& background, TPicture mask);

}  // namespace sk
