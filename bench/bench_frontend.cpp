// The intro's and the credits' frames against one 640 x 480 RGB565 memcpy, on the game's own
// pictures and font. The heaviest intro frames are steps 3 and 5: two full-screen fills and the
// maker's logo rippling with alpha.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "bench/FrameMemcpy.h"
#include "frontend/IntroCreditsHarness.h"
#include "game/frontend/CreditsDrawing.h"
#include "game/frontend/IntroDrawing.h"
#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/ScreenFrame.h"

namespace sk {
namespace {

// The harness with the pictures and model names of the game's data folder.
void UseGameData(test::IntroCreditsHarness& h) {
  const std::filesystem::path data = SK_SOURCE_DIR "/data/archive";
  for (const char* member : {"Models.bmp", "Logo_Vosk.bmp", "Menu_Logo.bmp", "Menu_Background.bmp",
                             "Menu_Cursor.bmp", "Models.def"}) {
    std::ifstream in(data / member, std::ios::binary);
    h.Put(member, test::Bytes(std::istreambuf_iterator<char>(in), {}));
  }
}

// Draws every tick of one intro step in turn, without presenting it.
void RunIntroStep(benchmark::State& state, int step) {
  test::IntroCreditsHarness h;
  UseGameData(h);
  h.StartIntro();
  const int duration = IntroDurations[static_cast<std::size_t>(step)];
  int tick = 0;
  for (auto _ : state) {
    IntroRecord(*h.app) = TIntroState{step, tick % duration + 1};
    ++tick;
    DrawIntroPictures(h.app->Graphics, IntroRecord(*h.app), MenuRecord(*h.app).BackgroundOffset);
    DrawIntroCaptions(ScreenFrame(*h.app), IntroRecord(*h.app), h.app->Models);
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
  test::IntroCreditsHarness h;
  UseGameData(h);
  h.StartCredits();
  CreditsRecord(*h.app).CreditsCounter = 600;
  for (auto _ : state) {
    DrawMenuBackground(h.app->Graphics, MenuRecord(*h.app).BackgroundOffset, true);
    FillSurfaceRect(h.app->Graphics.BackSurface, kCreditsBand, 0);
    DrawCreditsText(ScreenFrame(*h.app), CreditsRecord(*h.app));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CreditsFrame);

}  // namespace
}  // namespace sk

BENCHMARK_MAIN();
