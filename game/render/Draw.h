#pragma once

#include "game/render/Geometry.h"
#include "game/render/ImageList.h"
#include "game/render/Surface.h"

namespace sk {

// Every operation draws the frame of a restored image onto a surface, clipped to the
// surface. An invalid frame, an image without frames, zero sizes or alpha <= 0 draw nothing.
// Transparent pixels are those whose RGB565 value equals the image's key.

// Copies the frame with its top-left at (x, y).
void DrawImage(const TImage& image, TSurface& surface, int x, int y, int frame);

// Scales the frame to fill `dest` (nearest pixel).
void DrawImageStretch(const TImage& image, TSurface& surface, const TRect& dest, int frame);

// Scales the frame to w x h and turns it by angle/256 of a turn (clockwise on screen) about
// the pivot (w * cx, h * cy), which lands on (x, y).
void DrawImageRotate(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                     int frame, double cx, double cy, int angle);

// As DrawImageRotate, adding the source to the destination per 8-bit channel with
// saturation; below alpha 255 the source is first scaled by (s * alpha) >> 8.
void DrawImageRotateAdd(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                        int frame, double cx, double cy, int angle, int alpha);

// Scales the frame to w x h, shifts each row by a sine wave (amplitude in pixels, a period
// of `length` rows, `phase` in 1/256 of a period) and blends it with alpha.
void DrawImageWaveAlpha(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                        int frame, int amplitude, int length, int phase, int alpha);

// The 256-entry cosine table of the rotating and waving draws, and its sine.
double Cos256(int index);
double Sin256(int index);

}  // namespace sk
