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
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"
#include "support/NullBackEnds.h"
#include "support/TempDir.h"

namespace sk::test {

using Bytes = std::vector<std::uint8_t>;
using PixelAt = std::function<TColor(int x, int y)>;

// A 24-bit BMP whose pixel (x, y) (top row first) is colour(x, y).
inline Bytes MakeIntroBmp(int width, int height, const PixelAt& colour) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t size = 54u + static_cast<std::uint32_t>(stride * height);
  Bytes b = {'B', 'M'};
  auto put = [&b](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(size, 4), put(0, 4), put(54, 4), put(40, 4);
  put(static_cast<std::uint32_t>(width), 4), put(static_cast<std::uint32_t>(height), 4);
  put(1, 2), put(24, 2), put(0, 4), put(size - 54, 4), put(2835, 4), put(2835, 4);
  put(0, 4), put(0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) put(colour(x, y), 3);  // stored blue, green, red
    for (int p = width * 3; p < stride; ++p) b.push_back(0);
  }
  return b;
}

inline Bytes SolidBmp(int width, int height, TColor c) {
  return MakeIntroBmp(width, height, [c](int, int) { return c; });
}

// The colours of the pictures the harness puts in Data/, so that tests can tell them apart.
inline constexpr TColor kTileColor = 0x008000;
inline constexpr TColor kVoskColor = 0xC82828;
inline constexpr TColor kUpperHalfColor = 0x2828DC;
inline constexpr TColor kLowerHalfColor = 0xDCDC28;
inline constexpr TColor ModelColor(int k) { return RgbColor(20 + 20 * k, 200, 40); }

// "Models.def" with the given eight names and numbered chat lines.
inline std::string ModelsDef(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += name + "\r\n";
    for (int c = 0; c < 10; ++c) text += "chat " + std::to_string(c) + "\r\n";
  }
  return text;
}

// A program folder with no archive: every picture and the model definitions are loose files
// in Data/, so a test can swap any of them. The application runs on the headless back-ends
// with the game's real font, started just far enough to show the intro or the credits.
class IntroCreditsHarness : public NullBackEnds {
 public:
  IntroCreditsHarness() {
    Put("Models.bmp", MakeIntroBmp(400, 80, [](int x, int) { return ModelColor(x / 50); }));
    Put("Logo_Vosk.bmp", SolidBmp(200, 100, kVoskColor));
    // 300 x 80: the intro cuts it into two halves of 40 rows.
    Put("Menu_Logo.bmp", MakeIntroBmp(300, 80, [](int, int y) {
          return y < 40 ? kUpperHalfColor : kLowerHalfColor;
        }));
    Put("Menu_Background.bmp", SolidBmp(64, 64, kTileColor));
    Put("Menu_Cursor.bmp", SolidBmp(16, 16, 0xFFFFFF));
    dir.Write("Data/Models.def", ModelsDef({"^1Krov", "Vanta", "^3Brass^7jaw", "Hollow ^5Saint",
                                            "Mox", "^2Riska", "^4Unit K-9", "Gorr"}));
  }

  void Put(const std::string& member, const Bytes& bytes) { dir.Write("Data/" + member, bytes); }

  // Builds the application on what Data/ holds now.
  void Start() {
    app = MakeApplication();
    app->Paths = ReadyToPlayPaths(dir.Root());
    // No archive: members come from Data/ alone.
    app->Data.OpenArchive(app->Paths.ArchiveFile(), app->Paths.OverrideFolder());
    app->Models = LoadModelDefinitions(app->Data);
    InitSound(app->SoundModule());
    app->DXDraw->InitializeDisplay();
  }
  void StartIntro() {
    Start();
    EnterIntro(*app);
    log.lines.clear();
  }
  void StartCredits() {
    Start();
    EnterMenu(*app, kMenuPageMain);
    EnterCredits(*app);
    log.lines.clear();
  }

  // Puts the intro just before tick `tick` of step `step` and draws that tick.
  void DrawIntroTick(int step, int tick) {
    IntroRecord(*app).IntroStep = step;
    IntroRecord(*app).IntroTick = tick - 1;
    IntroFrame(*app);
  }

  const TSurface& Back() const { return app->Graphics.BackSurface; }
  std::uint16_t Pixel(int x, int y) const { return Back().At(x, y); }

  // The effects started since the last clear, by effect number.
  std::vector<int> PlayedEffects() const {
    std::vector<int> played;
    for (const std::string& line : log.lines) {
      if (line.rfind("PlaySample ", 0) == 0)
        played.push_back(std::stoi(line.substr(line.rfind(' '))));
    }
    return played;
  }

  void LoseDisplay() {
    display->RestoreFails = true;
    display->LoseSurfaces();
  }

  TempDir dir;
  std::unique_ptr<Application> app;
};

inline std::uint16_t Px(TColor c) { return MatchColor(c); }

}  // namespace sk::test
