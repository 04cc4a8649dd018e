#pragma once
#include <optional>

#include "game/render/Geometry.h"

// How the 640 x 480 picture sits in a window or on a screen of any size, and how big the
// game's window is made.
namespace sk {

// The inner size of a window, or of the desktop's usable area, in the desktop's pixels.
struct TWindowSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TWindowSize&, const TWindowSize&) = default;
};

// The smallest window the game lets the player make: half the picture each way.
inline constexpr TWindowSize kMinWindowSize{320, 240};

// The part of an area of `size` the picture is shown in: as large as fits at 4:3, centred,
// black bars on the other two sides. A size that cannot show anything gives the picture unscaled.
TRect PictureArea(TWindowSize size);

// A position in the area's coordinates as a pixel of the picture; nothing for a position in
// the bars or outside (never moved onto the edge).
std::optional<TPoint> AreaToPicture(const TRect& picture, int x, int y);
// The middle of the area's pixels that show a pixel of the picture.
TPoint PictureToArea(const TRect& picture, TPoint point);

// The size of a new window on a desktop whose usable area is `desktop`: the size kept from the
// last run when it is at least the smallest window and fits the desktop, else the largest whole
// multiple of 640 x 480 that fits with room to spare for the window's frame (at least 1 x).
TWindowSize ChooseWindowSize(TWindowSize kept, TWindowSize desktop);

}  // namespace sk
