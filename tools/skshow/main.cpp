// Draws a test frame into the real window: a gradient backdrop, a keyed picture, a turned
// and a rippling picture, a rail-trail-like added bar, a menu box and colour-coded text.
// Usage: SKSHOW [seconds] [--fullscreen]
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "common/Error.h"
#include "game/render/ColorText.h"
#include "game/render/Draw.h"
#include "game/render/Graphics.h"
#include "platform/sdl/DisplaySdl.h"

namespace {

using namespace sk;

TPicture Checker(int w, int h) {
  TPicture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool hole = (x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) < (w / 5) * (w / 5);
      p.At(x, y) =
          hole ? TRgb{255, 0, 255} : ((x / 8 + y / 8) % 2 ? TRgb{230, 180, 40} : TRgb{40, 90, 200});
    }
  return p;
}

constexpr TRect kScreen{0, 0, kScreenWidth, kScreenHeight};

void DrawFrame(TGraphics& g, int tick) {
  TSurface& s = g.BackSurface;
  for (int y = 0; y < kScreenHeight; ++y)
    FillSurfaceRect(s, TRect{0, y, kScreenWidth, y + 1},
                    MatchColor(RgbColor(20, y * 255 / kScreenHeight / 2, 60)));
  DrawImage(FindImage(g.Images, "Checker.bmp"), s, 40, 40, 0);
  DrawImageRotate(FindImage(g.Images, "Checker.bmp"), s, 420, 120, 100, 80, 0, 0.5, 0.5, tick);
  DrawImageWaveAlpha(FindImage(g.Images, "Checker.bmp"), s, 60, 250, 160, 120, 0, 8, 40, tick * 2,
                     200);
  DrawImageRotateAdd(FindImage(g.Images, "Trail.bmp"), s, kScreenWidth / 2, kScreenHeight, 12, 300,
                     0, 0.5, 1.0, 240, 255);

  TTextCanvas& c = SurfaceCanvas(g);
  c.Font.Name = "Verdana";
  c.Font.Bold = true;
  c.Font.Size = 10;
  c.Pen.Width = 2;
  c.Pen.Color = 0x000000;
  c.Brush.Color = 0x808080;
  c.Brush.Style = TBrushStyle::Solid;
  c.RoundRect(360, 260, 600, 300);
  c.Brush.Style = TBrushStyle::Clear;
  c.Font.Color = 0x000000;
  const TRect box{360, 260, 600, 300};
  DrawText(c, box, RectCentreX(box), RectCentreY(box), "Play", false, TextAlign::Centre);
  DrawColorText(c, kScreen, 320, 440, "Unknown ^1Skarveth^7er", true, TextAlign::Centre);
  c.Font.Color = 0xFFFF00;
  DrawText(c, kScreen, 40, 440, "Frags", true, TextAlign::Left);
  DrawText(c, kScreen, 600, 440, "Health", true, TextAlign::Right);
  c.Font.Size = 24;
  c.Font.Color = 0xFFFFFF;
  DrawText(c, kScreen, 320, 216, "Codename: Skarveth", true, TextAlign::Centre);
  c.Pen.Color = 0xFFFFFF;
  c.Ellipse(TRect{500, 360, 560, 420});
  ReleaseCanvas(c);
}

constexpr const char* kUsage =
    "Usage: SKSHOW [seconds] [--fullscreen]\n"
    "Shows a test frame of every drawing operation in the game's window for the given\n"
    "seconds (3 when not given), in a window or full screen; closing the window ends it.\n";

struct Options {
  double seconds = 3.0;
  bool fullScreen = false;
};

// The options in any order; nothing when an argument is not one of them.
std::optional<Options> ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--fullscreen") {
      options.fullScreen = true;
      continue;
    }
    char* end = nullptr;
    const double seconds = std::strtod(arg.c_str(), &end);
    if (arg.empty() || *end != '\0' || !(seconds >= 0 && seconds <= 86400)) return std::nullopt;
    options.seconds = seconds;
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const std::optional<Options> options = ReadOptions(argc, argv);
  if (!options) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const double seconds = options->seconds;
  const bool fullScreen = options->fullScreen;
  try {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw Error(SDL_GetError());
    TGraphics g(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf");
    AddImage(g.Images, "Checker.bmp", Checker(128, 96), true, 0xFF00FF, false);
    AddImage(g.Images, "Trail.bmp", TPicture(12, 64, TRgb{60, 120, 255}), true, 0, true);
    {
      TSdlDisplay display(g.BackSurface, g.Images);
      display.SetDisplayOptions(TDisplayOptions{fullScreen, true, {}, false});
      display.InitializeDisplay();
      SDL_ShowWindow(display.Window());
      const Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(seconds * 1000);
      for (int tick = 0; SDL_GetTicks64() < end; ++tick) {
        SDL_Event e;
        bool quit = false;
        while (SDL_PollEvent(&e)) quit |= e.type == SDL_QUIT;
        if (quit) break;
        if (display.CanDraw()) {
          DrawFrame(g, tick);
          display.Flip();
        }
        SDL_Delay(16);
      }
      display.FinalizeDisplay();
    }
    SDL_Quit();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "SKSHOW: %s\n", e.what());
    return 1;
  }
  return 0;
}
