#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/render/Color.h"
#include "game/render/Geometry.h"
#include "game/render/Picture.h"
#include "game/render/Surface.h"

namespace sk {

// A named picture cut into equal frames, drawn with an optional transparent colour.
struct TImage {
  std::string Name;
  TPicture Picture;  // full 24-bit colour; what ImagePixel reads
  bool Transparent = true;
  TColor TransparentColor = 0x000000;
  bool SystemMemory = false;
  int PatternWidth = 0;   // frame width; 0 means the picture's width
  int PatternHeight = 0;  // frame height; 0 means the picture's height

  // Built by RestoreImages: the RGB565 copy of Picture, its key and the frame rectangles.
  TSurface Surface;
  std::uint16_t Key = 0;
  std::vector<TRect> Frames;
};

// The ordered list of images. Images live behind pointers, so a TImage& stays valid while
// other images are added.
struct TImageList {
  std::vector<std::unique_ptr<TImage>> Images;
};

inline constexpr const char* kImageNotFound = "Image '%s' not found";

void ClearImages(TImageList& list);
// Appends an image whose picture is the BMP in `bitmap` (empty bytes give an empty picture).
// Throws sk::Error("Bitmap image is not valid") for a damaged BMP.
TImage& AddImage(TImageList& list, std::string_view name, std::span<const std::uint8_t> bitmap,
                 bool transparent, TColor transparentColor, bool systemMemory);
// Appends an image with a picture already decoded.
TImage& AddImage(TImageList& list, std::string_view name, TPicture picture, bool transparent,
                 TColor transparentColor, bool systemMemory);

// Take effect at the next RestoreImages.
void SetFrameWidth(TImage& image, int pixels);
void SetFrameHeight(TImage& image, int pixels);
void SetImagePicture(TImage& image, TPicture picture);

// The stored picture's colour at (x, y); nothing for a point outside the picture.
std::optional<TRgb> ImagePixel(const TImage& image, int x, int y);

// Rebuilds every image's RGB565 copy, key and frames from its stored picture.
void RestoreImages(TImageList& list);
void RestoreImage(TImage& image);

// Case-insensitive; the image added last wins. Throws sk::Error("Image '<name>' not found").
TImage& FindImage(TImageList& list, std::string_view name);
const TImage& FindImage(const TImageList& list, std::string_view name);

int ImageWidth(const TImage& image);
int ImageHeight(const TImage& image);
// Number of frames built by the last restore (0 before any).
int FrameCount(const TImage& image);

}  // namespace sk
