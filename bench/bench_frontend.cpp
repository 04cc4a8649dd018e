// The intro's and the credits' frames against one 640 x 480 RGB565 memcpy, on the game's own
// pictures and font. The heaviest intro frames are steps 3 and 5: two full-screen fills and the
// maker's logo rippling with alpha.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench/FrameMemcpy.h"
#include "game/audio/SKSound.h"
#include "game/frontend/CreditsDrawing.h"
#include "game/frontend/IntroDrawing.h"
#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/play/ModelDefinitions.h"
#include "platform/null/HeadlessHost.h"

namespace sk {
namespace {

// The game on the headless host with the pictures and model names of the game's data folder,
// loose, no archive: started just far enough to show the intro or the credits.
struct FrontendHost : THeadlessHost {
  FrontendHost() : THeadlessHost(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf", 5000) {
    app->Data.OpenArchive("", SK_SOURCE_DIR "/data/archive/");
    app->Models = LoadModelDefinitions(app->Data);
    InitSound(app->SoundModule());
    app->DXDraw->InitializeDisplay();
  }
  std::unique_ptr<Application> app = MakeApplication();
};

// Draws every tick of one intro step in turn, without presenting it.
void RunIntroStep(benchmark::State& state, int step) {
  FrontendHost h;
  EnterIntro(*h.app);
  const int duration = IntroDurations[static_cast<std::size_t>(step)];
  int tick = 0;
  for (auto _ : state) {
    IntroRecord(*h.app) = TIntroState{step, tick % duration + 1};
    ++tick;
    DrawIntroPictures(*h.app);
    DrawIntroCaptions(*h.app);
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
  FrontendHost h;
  EnterMenu(*h.app, kMenuPageMain);
  EnterCredits(*h.app);
  CreditsRecord(*h.app).CreditsCounter = 600;
  for (auto _ : state) {
    DrawMenuBackground(*h.app);
    FillSurfaceRect(h.app->Graphics.BackSurface, kCreditsBand, 0);
    DrawCreditsText(*h.app);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CreditsFrame);

}  // namespace
}  // namespace sk

BENCHMARK_MAIN();
