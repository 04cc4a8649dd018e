#include "game/render/ImageList.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "game/render/Bmp.h"

namespace sk {

void ClearImages(TImageList& list) { list.Images.clear(); }

TImage& AddImage(TImageList& list, std::string_view name, std::span<const std::uint8_t> bitmap,
                 bool transparent, TColor transparentColor, bool systemMemory) {
  return AddImage(list, name, DecodeBmp(bitmap), transparent, transparentColor, systemMemory);
}

TImage& AddImage(TImageList& list, std::string_view name, TPicture picture, bool transparent,
                 TColor transparentColor, bool systemMemory) {
  auto image = std::make_unique<TImage>();
  image->Name = std::string(name);
  image->Picture = std::move(picture);
  image->Transparent = transparent;
  image->TransparentColor = transparentColor & 0xFFFFFF;
  image->SystemMemory = systemMemory;
  list.Images.push_back(std::move(image));
  return *list.Images.back();
}

void SetFrameWidth(TImage& image, int pixels) { image.PatternWidth = pixels; }
void SetFrameHeight(TImage& image, int pixels) { image.PatternHeight = pixels; }
void SetImagePicture(TImage& image, TPicture picture) { image.Picture = std::move(picture); }

std::optional<TRgb> ImagePixel(const TImage& image, int x, int y) {
  if (!image.Picture.Contains(x, y)) return std::nullopt;
  return image.Picture.At(x, y);
}

int ImageWidth(const TImage& image) {
  return image.PatternWidth > 0 ? image.PatternWidth : image.Picture.Width;
}
int ImageHeight(const TImage& image) {
  return image.PatternHeight > 0 ? image.PatternHeight : image.Picture.Height;
}
int FrameCount(const TImage& image) { return static_cast<int>(image.Frames.size()); }

namespace {

TSurface ConvertPicture(const TPicture& picture) {
  TSurface s(picture.Width, picture.Height);
  const std::size_t n = picture.Pixels.size();
  for (std::size_t i = 0; i < n; ++i) {
    const TRgb p = picture.Pixels[i];
    s.Pixels[i] = static_cast<std::uint16_t>(((p.R >> 3) << 11) | ((p.G >> 2) << 5) | (p.B >> 3));
  }
  return s;
}

std::vector<TRect> CutFrames(const TImage& image) {
  std::vector<TRect> frames;
  const int fw = ImageWidth(image);
  const int fh = ImageHeight(image);
  if (fw <= 0 || fh <= 0) return frames;
  const int cols = image.Picture.Width / fw;
  const int rows = image.Picture.Height / fh;
  frames.reserve(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) frames.push_back(TRect{c * fw, r * fh, c * fw + fw, r * fh + fh});
  return frames;
}

}  // namespace

void RestoreImage(TImage& image) {
  image.Surface = TSurface();
  image.Frames.clear();
  if (image.Picture.Empty()) return;
  image.Surface = ConvertPicture(image.Picture);
  image.Key = MatchColor(image.TransparentColor);
  image.Frames = CutFrames(image);
}

void RestoreImages(TImageList& list) {
  for (auto& image : list.Images) RestoreImage(*image);
}

namespace {

TImage* Lookup(const TImageList& list, std::string_view name) {
  for (auto it = list.Images.rbegin(); it != list.Images.rend(); ++it)
    if (SameText((*it)->Name, name)) return it->get();
  throw Error("Image '" + std::string(name) + "' not found");
}

}  // namespace

TImage& FindImage(TImageList& list, std::string_view name) { return *Lookup(list, name); }
const TImage& FindImage(const TImageList& list, std::string_view name) {
  return *Lookup(list, name);
}

}  // namespace sk
