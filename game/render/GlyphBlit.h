#pragma once
#include "game/render/Color.h"
#include "game/render/Geometry.h"
#include "game/render/GlyphCache.h"
#include "game/render/Surface.h"

namespace sk {

// Blends glyph `g` into the surface in colour c with its top-left pixel at (left, top), only
// inside `clip` (which lies inside the surface). Coverage 255 puts the colour itself; below
// that each 8-bit channel moves from the pixel towards the colour by
// trunc(((colour - pixel) * coverage + 127) / 255), so coverage 0 leaves the pixel alone.
void BlitGlyph(TSurface& s, const TRect& clip, const TGlyph& g, int left, int top, TColor c);

}  // namespace sk
