#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/render/Surface.h"
#include "game/shell/SKInit.h"
#include "support/BmpEncode.h"
#include "support/Harness.h"

namespace sk::test {

using PixelAt = std::function<TColor(int x, int y)>;

// A 24-bit BMP whose pixel (x, y) (top row first) is colour(x, y).
inline Bytes MakeIntroBmp(int width, int height, const PixelAt& colour) {
  TPicture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.At(x, y) = ColorToRgb(colour(x, y));
  }
  return EncodeBmp(picture);
}

// The colours of the pictures the harness puts in Data/, so that tests can tell them apart.
inline constexpr TColor kTileColor = 0x008000;
inline constexpr TColor kVoskColor = 0xC82828;
inline constexpr TColor kUpperHalfColor = 0x2828DC;
inline constexpr TColor kLowerHalfColor = 0xDCDC28;
inline constexpr TColor ModelColor(int k) { return RgbColor(20 + 20 * k, 200, 40); }

// A program folder with no archive: every picture and the model definitions are loose files
// in Data/, so a test can swap any of them. The application is started just far enough to
// show the intro or the credits.
class IntroCreditsHarness : public Harness {
 public:
  IntroCreditsHarness() : Harness("", TFolder::Empty) {
    Put("Models.bmp", MakeIntroBmp(400, 80, [](int x, int) { return ModelColor(x / 50); }));
    Put("Logo_Vosk.bmp", MakeBmp(200, 100, kVoskColor));
    // 300 x 80: the intro cuts it into two halves of 40 rows.
    Put("Menu_Logo.bmp", MakeIntroBmp(300, 80, [](int, int y) {
          return y < 40 ? kUpperHalfColor : kLowerHalfColor;
        }));
    Put("Menu_Background.bmp", MakeBmp(64, 64, kTileColor));
    Put("Menu_Cursor.bmp", MakeBmp(16, 16, 0xFFFFFF));
    Put("Models.def", MakeModelsDef({"^1Krov", "Vanta", "^3Brass^7jaw", "Hollow ^5Saint", "Mox",
                                     "^2Riska", "^4Unit K-9", "Gorr"}));
  }

  void Put(const std::string& member, const Bytes& bytes) { dir.Write("Data/" + member, bytes); }

  // Builds the application on what Data/ holds now.
  void Load() {
    Rebuild();
    app->Paths = ReadyToPlayPaths(dir.Root());
    // No archive: members come from Data/ alone.
    app->Data.OpenArchive(app->Paths.ArchiveFile(), app->Paths.OverrideFolder());
    app->Models = LoadModelDefinitions(app->Data);
    InitSound(app->SoundModule());
    app->DXDraw->InitializeDisplay();
  }
  void StartIntro() {
    Load();
    EnterIntro(*app);
    TakeLog({});
  }
  void StartCredits() {
    Load();
    EnterMenu(*app, kMenuPageMain);
    EnterCredits(*app);
    TakeLog({});
  }

  // Puts the intro just before tick `tick` of step `step` and draws that tick.
  void DrawIntroTick(int step, int tick) {
    IntroRecord(*app).IntroStep = step;
    IntroRecord(*app).IntroTick = tick - 1;
    IntroFrame(*app);
  }

  const TSurface& Back() const { return app->Graphics.BackSurface; }
  std::uint16_t Pixel(int x, int y) const { return Back().At(x, y); }

  // The effects started since the last call, by effect number.
  std::vector<int> PlayedEffects() {
    std::vector<int> played;
    for (const std::string& line : TakeLog({"PlaySample "}))
      played.push_back(std::stoi(line.substr(line.rfind(' '))));
    return played;
  }

  void LoseDisplay() {
    display->RestoreFails = true;
    display->LoseSurfaces();
  }
};

inline std::uint16_t Px(TColor c) { return MatchColor(c); }

}  // namespace sk::test
