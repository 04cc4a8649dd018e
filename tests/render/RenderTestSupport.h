#pragma once
#include <cstdint>
#include <string>

#include "game/render/ImageList.h"
#include "game/render/Surface.h"

namespace sk::test {

inline std::string FontPath() { return SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf"; }

// A restored image holding `picture`, with the given frame size (0 = whole picture).
inline TImage& AddRestored(TImageList& list, const char* name, TPicture picture,
                           bool transparent = false, TColor key = 0xFF00FF, int frameW = 0,
                           int frameH = 0) {
  TImage& image = AddImage(list, name, std::move(picture), transparent, key, false);
  SetFrameWidth(image, frameW);
  SetFrameHeight(image, frameH);
  RestoreImage(image);
  return image;
}

inline TPicture Solid(int w, int h, TColor c) { return TPicture(w, h, ColorToRgb(c)); }

// Pixels of the surface that differ from `fill`.
inline int CountNot(const TSurface& s, std::uint16_t fill) {
  int n = 0;
  for (auto p : s.Pixels) n += p != fill;
  return n;
}

}  // namespace sk::test
