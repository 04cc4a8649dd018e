// Drawing speed at the sizes the game uses, against two references measured in the same run:
// memcpy of one full 640 x 480 RGB565 frame (the floor of any full-screen copy) and SDL's own
// colour-keyed blit of the same data.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "bench/FrameMemcpy.h"
#include "game/render/ColorText.h"
#include "game/render/Draw.h"

namespace sk {
namespace {

// A full-screen picture with a quarter of its pixels magenta, scattered.
TPicture ScreenPicture(bool keyed) {
  TPicture p(kScreenWidth, kScreenHeight);
  std::mt19937 rng(7);
  for (auto& px : p.Pixels) {
    px = TRgb{static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng() | 1),
              static_cast<std::uint8_t>(rng())};
    if (keyed && rng() % 4 == 0) px = TRgb{255, 0, 255};
  }
  return p;
}

struct Scene {
  TImageList list;
  TSurface back = MakeBackSurface();
  TImage* opaque;
  TImage* keyed;
  TImage* model;
  TImage* trail;
  TImage* logo;
  Scene() {
    opaque = &AddImage(list, "Opaque", ScreenPicture(false), false, 0, false);
    keyed = &AddImage(list, "Keyed", ScreenPicture(true), true, 0xFF00FF, false);
    model = &AddImage(list, "Models", TPicture(400, 80, TRgb{200, 150, 100}), true, 0xFF00FF, true);
    SetFrameWidth(*model, 50);
    trail = &AddImage(list, "Trail", TPicture(16, 64, TRgb{40, 80, 250}), true, 0, true);
    logo = &AddImage(list, "Logo", ScreenPicture(true), true, 0xFF00FF, true);
    RestoreImages(list);
  }
};

void BM_SdlColorKeyBlit(benchmark::State& state) {
  Scene scene;
  const auto surface = [](std::uint16_t* pixels) {
    return SDL_CreateRGBSurfaceWithFormatFrom(pixels, kScreenWidth, kScreenHeight, 16,
                                              kScreenWidth * 2, SDL_PIXELFORMAT_RGB565);
  };
  SDL_Surface* src = surface(scene.keyed->Surface.Pixels.data());
  SDL_Surface* dst = surface(scene.back.Pixels.data());
  SDL_SetColorKey(src, SDL_TRUE, MatchColor(0xFF00FF));
  for (auto _ : state) {
    SDL_BlitSurface(src, nullptr, dst, nullptr);
    benchmark::ClobberMemory();
  }
  SDL_FreeSurface(src);
  SDL_FreeSurface(dst);
}
BENCHMARK(BM_SdlColorKeyBlit);

// Times one draw of the scene per iteration; `frame` counts up, for the turning and
// rippling draws that move between frames.
template <typename Draw>
void RunDraw(benchmark::State& state, Draw draw) {
  Scene scene;
  int frame = 0;
  for (auto _ : state) {
    draw(scene, frame++);
    benchmark::ClobberMemory();
  }
}

void BM_DrawImageOpaqueFullScreen(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int) { DrawImage(*s.opaque, s.back, 0, 0, 0); });
}
BENCHMARK(BM_DrawImageOpaqueFullScreen);

void BM_DrawImageKeyedFullScreen(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int) { DrawImage(*s.keyed, s.back, 0, 0, 0); });
}
BENCHMARK(BM_DrawImageKeyedFullScreen);

void BM_DrawImageModel50x80(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int) { DrawImage(*s.model, s.back, 300, 200, 3); });
}
BENCHMARK(BM_DrawImageModel50x80);

void BM_DrawImageRotateModel(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int angle) {
    DrawImageRotate(*s.model, s.back, 320, 300, 50, 80, 2, 0.5, 0.5, angle);
  });
}
BENCHMARK(BM_DrawImageRotateModel);

void BM_DrawImageStretchReloadBar(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int) {
    DrawImageStretch(*s.trail, s.back, TRect{0, kScreenHeight - 10, kScreenWidth, kScreenHeight},
                     0);
  });
}
BENCHMARK(BM_DrawImageStretchReloadBar);

void BM_DrawImageRotateAddTrail500(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int frame) {
    DrawImageRotateAdd(*s.trail, s.back, kScreenWidth / 2, kScreenHeight, 16, 500, 0, 0.5, 1.0,
                       224 + frame % 64, 128);
  });
}
BENCHMARK(BM_DrawImageRotateAddTrail500);

void BM_DrawImageWaveAlphaLogo320x240(benchmark::State& state) {
  RunDraw(state, [](Scene& s, int phase) {
    DrawImageWaveAlpha(*s.logo, s.back, 160, 120, 320, 240, 0, 40, 63, phase, 128);
  });
}
BENCHMARK(BM_DrawImageWaveAlphaLogo320x240);

void BM_TextFrame(benchmark::State& state) {
  TSurface back = MakeBackSurface();
  TTextCanvas canvas(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf");
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  canvas.Brush.Style = TBrushStyle::Clear;
  const TRect all{0, 0, kScreenWidth, kScreenHeight};
  for (auto _ : state) {
    SurfaceCanvas(canvas, back);
    // About as much text as the busiest screen, the credits: 30 lines with shadows.
    for (int line = 0; line < 30; ++line)
      DrawColorText(canvas, all, 320, 10 + line * 16, "^3Codename^7: the ^1Skarveth^7 credits line",
                    true, TextAlign::Centre);
    ReleaseCanvas(canvas);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TextFrame);

}  // namespace
}  // namespace sk

BENCHMARK_MAIN();
