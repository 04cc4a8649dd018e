#include "game/frontend/ScreenPictures.h"

#include "game/maps/SKMap.h"
#include "game/shell/AssetSets.h"

namespace sk {
namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kMagenta = 0xFF00FF;

}  // namespace

void LoadGameImages(const SKData& data, TImageList& images) {
  ClearImages(images);
  LoadImage(data, images, "Cursor.bmp", true, kBlack, false);
  LoadImage(data, images, "Models.bmp", true, kMagenta, false);
  LoadImage(data, images, "RailTrail.bmp", true, kBlack, true);
  LoadImage(data, images, "RailBar.bmp", false, kBlack, false);
  LoadImage(data, images, "Numbers.bmp", true, kMagenta, false);
  LoadImage(data, images, "Blood.bmp", true, kMagenta, false);
  SetFrameWidth(FindImage(images, "Models.bmp"), 50);
  SetFrameWidth(FindImage(images, "Numbers.bmp"), 32);
  SetFrameWidth(FindImage(images, "Blood.bmp"), 64);
  // Left empty here: the map loader fills them from the map file.
  AddMapImages(images);
}

void LoadMenuImages(const SKData& data, TImageList& images) {
  ClearImages(images);
  LoadImage(data, images, "Menu_Cursor.bmp", true, kBlack, false);
  LoadImage(data, images, "Menu_Logo.bmp", true, kMagenta, false);
  LoadImage(data, images, "Menu_Background.bmp", false, kBlack, false);
}

void LoadIntroImages(const SKData& data, TImageList& images) {
  ClearImages(images);
  LoadImage(data, images, "Models.bmp", true, kMagenta, true);
  SetFrameWidth(FindImage(images, "Models.bmp"), 50);
  LoadImage(data, images, "Logo_Vosk.bmp", true, kMagenta, true);
  LoadImage(data, images, "Menu_Logo.bmp", true, kMagenta, false);
  // The intro shows the logo as two halves, one above the other.
  TImage& logo = FindImage(images, "Menu_Logo.bmp");
  SetFrameHeight(logo, ImageHeight(logo) / 2);
  LoadImage(data, images, "Menu_Background.bmp", false, kBlack, false);
}

}  // namespace sk
