#include "game/shell/AssetSets.h"

#include <array>

#include "game/render/Geometry.h"
#include "game/shell/Application.h"

namespace sk {
namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kMagenta = 0xFF00FF;

constexpr std::array<const char*, kEffectCount> kEffectMembers = {
    "Menu_Move.ogg",   "Menu_Next.ogg", "Menu_Back.ogg", "Menu_Disabled.ogg", "RailGun_Shot.ogg",
    "Model_Death.ogg", "Death.ogg",     "Damage.ogg",    "Excellent.ogg",     "Three.ogg",
    "Two.ogg",         "One.ogg",       "Fight.ogg",     "Chat.ogg",          "Slide.ogg"};
constexpr const char* kSongMember = "Green_Shine.s3m";

MemberLoader ArchiveLoader(Application& app) {
  return
      [&app](const std::string& name, TMemoryStream& stream) { app.Data.LoadMember(name, stream); };
}

}  // namespace

void LoadImage(Application& app, const std::string& name, bool transparent, TColor transparentColor,
               bool systemMemory) {
  TMemoryStream stream;
  app.Data.LoadMember(name, stream);
  AddImage(app.DXImageList(), name, stream.View(), transparent, transparentColor, systemMemory);
}

void LoadGameImages(Application& app) {
  TImageList& images = app.DXImageList();
  ClearImages(images);
  LoadImage(app, "Cursor.bmp", true, kBlack, false);
  LoadImage(app, "Models.bmp", true, kMagenta, false);
  LoadImage(app, "RailTrail.bmp", true, kBlack, true);
  LoadImage(app, "RailBar.bmp", false, kBlack, false);
  LoadImage(app, "Numbers.bmp", true, kMagenta, false);
  LoadImage(app, "Blood.bmp", true, kMagenta, false);
  SetFrameWidth(FindImage(images, "Models.bmp"), kModelWidth);
  SetFrameWidth(FindImage(images, "Numbers.bmp"), 32);
  SetFrameWidth(FindImage(images, "Blood.bmp"), 64);
  // Left empty here: the map loader fills them from the map file.
  AddMapImages(images);
}

void LoadMenuImages(Application& app) {
  ClearImages(app.DXImageList());
  LoadImage(app, "Menu_Cursor.bmp", true, kBlack, false);
  LoadImage(app, "Menu_Logo.bmp", true, kMagenta, false);
  LoadImage(app, "Menu_Background.bmp", false, kBlack, false);
}

void LoadIntroImages(Application& app) {
  TImageList& images = app.DXImageList();
  ClearImages(images);
  LoadImage(app, "Models.bmp", true, kMagenta, true);
  SetFrameWidth(FindImage(images, "Models.bmp"), kModelWidth);
  LoadImage(app, "Logo_Vosk.bmp", true, kMagenta, true);
  LoadImage(app, "Menu_Logo.bmp", true, kMagenta, false);
  // The intro shows the logo as two halves, one above the other.
  TImage& logo = FindImage(images, "Menu_Logo.bmp");
  SetFrameHeight(logo, ImageHeight(logo) / 2);
  LoadImage(app, "Menu_Background.bmp", false, kBlack, false);
}

void LoadSounds(Application& app) {
  const MemberLoader load = ArchiveLoader(app);
  for (int number = 0; number < kEffectCount; ++number) {
    LoadSample(app.SoundModule(), load, kEffectMembers[static_cast<std::size_t>(number)], number);
  }
  LoadMusic(app.SoundModule(), load, kSongMember);
}

}  // namespace sk
