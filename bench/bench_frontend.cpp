// The intro's and the credits' frames against one 640 x 480 RGB565 memcpy, on the game's own
// pictures and font. The heaviest intro frames are steps 3 and 5: two full-screen fills and the
// maker's logo rippling with alpha.
#include <benchmark/benchmark.h>

#include "bench/FrameMemcpy.h"
#include "game/frontend/CreditsDrawing.h"
#include "game/frontend/IntroDrawing.h"
#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/ScreenFrame.h"
#include "game/frontend/ScreenPictures.h"
#include "game/render/Draw.h"

namespace sk {
namespace {

// The intro's pictures and the model names of the ready-to-play folder, drawn in the game's
// font: all the drawing needs, without an application around it.
struct IntroScene {
  IntroScene() : graphics(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf") {
    data.OpenArchive(SK_GAME_DIR "/Skarveth.dat", SK_GAME_DIR "/Data/");
    models = LoadModelDefinitions(data);
    LoadIntroImages(data, graphics.Images);
    RestoreImages(graphics.Images);
  }
  TScreenFrame Frame() { return {graphics, TPoint{0, 0}, ""}; }

  SKData data;
  TGraphics graphics;
  TModels models;
  std::int32_t backgroundOffset = 0;
};

// Draws every tick of one intro step in turn, without presenting it.
void RunIntroStep(benchmark::State& state, int step) {
  IntroScene scene;
  const int duration = IntroDurations[static_cast<std::size_t>(step)];
  int tick = 0;
  for (auto _ : state) {
    const TIntroState intro{step, tick % duration + 1};
    ++tick;
    DrawIntroPictures(scene.graphics, intro, scene.backgroundOffset);
    DrawIntroCaptions(scene.Frame(), intro, scene.models);
    benchmark::ClobberMemory();
  }
}

void BM_IntroFrameLogoFadingIn(benchmark::State& state) { RunIntroStep(state, 3); }
BENCHMARK(BM_IntroFrameLogoFadingIn);

void BM_IntroFrameLogoRipplingAway(benchmark::State& state) { RunIntroStep(state, 5); }
BENCHMARK(BM_IntroFrameLogoRipplingAway);

void BM_IntroFrameModelHopping(benchmark::State& state) { RunIntroStep(state, 7); }
BENCHMARK(BM_IntroFrameModelHopping);

void BM_IntroFrameLogoRising(benchmark::State& state) { RunIntroStep(state, 22); }
BENCHMARK(BM_IntroFrameLogoRising);

// A credits frame with the band full of lines: background, band and text, not presented.
void BM_CreditsFrame(benchmark::State& state) {
  IntroScene scene;
  const TCreditsState credits{600, false};
  for (auto _ : state) {
    DrawMenuBackground(scene.graphics, scene.backgroundOffset, true);
    FillSurfaceRect(scene.graphics.BackSurface, kCreditsBand, 0);
    DrawCreditsText(scene.Frame(), credits);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CreditsFrame);

}  // namespace
}  // namespace sk

BENCHMARK_MAIN();
