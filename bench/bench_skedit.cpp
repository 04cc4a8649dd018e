// What an author waits for in SKEDIT: the difficulty after an edit (the target is
// 2 s on the development machine), and the work each frame or edit adds to the window.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "common/FileIo.h"
#include "tools/skedit/model/DepthCheck.h"
#include "tools/skedit/model/Difficulty.h"
#include "tools/skedit/model/PathEdits.h"
#include "tools/skedit/model/PreviewScene.h"

namespace sk::edit {
namespace {

struct TShippedMap {
  TMapContent Content;
  std::vector<std::uint8_t> Background, Mask;
};

std::optional<TShippedMap> LoadShipped(const char* name) {
  const auto bytes = ReadFileBytes(std::string(SK_GAME_DIR "/Maps/") + name);
  const auto info = bytes ? ReadMapFile(*bytes) : std::nullopt;
  if (!info) return std::nullopt;
  TShippedMap map{info->Content, {}, {}};
  const auto bg = MapBackgroundData(*bytes, *info);
  const auto mask = MapMaskData(*bytes, *info);
  if (bg) map.Background.assign(bg->begin(), bg->end());
  if (mask) map.Mask.assign(mask->begin(), mask->end());
  return map;
}

// One edit (a waypoint moved by a pixel) posted, then the wait for its figures.
void BM_DifficultyAfterEdit(benchmark::State& state) {
  auto map = LoadShipped("Rustyard.map");
  if (!map) return state.SkipWithError("no Rustyard.map built");
  TDifficultyWorker worker;
  std::uint64_t revision = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    MoveWaypoint(map->Content, 0, 1, map->Content.Paths[0][1].X + (revision % 2 ? -1 : 1),
                 map->Content.Paths[0][1].Y);
    worker.Post(TDifficultyJob{++revision, map->Content, map->Background, map->Mask});
    while (!worker.Latest() || worker.Latest()->Revision != revision)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}
BENCHMARK(BM_DifficultyAfterEdit)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_PreviewFrame(benchmark::State& state) {
  auto map = LoadShipped("Rustyard.map");
  if (!map) return state.SkipWithError("no Rustyard.map built");
  TPreviewScene scene;
  std::string problem;
  scene.LoadModels(SK_GAME_DIR "/Skarveth.dat");
  scene.LoadPictures(map->Background, map->Mask, problem);
  scene.SetPaths(map->Content);
  TSurface back = MakeBackSurface();
  std::uint32_t step = 0;
  for (auto _ : state) scene.Draw(back, step++ % scene.RoundSteps(), true);
}
BENCHMARK(BM_PreviewFrame)->Unit(benchmark::kMicrosecond);

void BM_DepthCheckAfterEdit(benchmark::State& state) {
  auto map = LoadShipped("FrostDepot.map");
  if (!map) return state.SkipWithError("no FrostDepot.map built");
  TPreviewScene scene;
  std::string problem;
  scene.LoadPictures(map->Background, map->Mask, problem);
  scene.SetPaths(map->Content);
  TDepthCheck depth;
  depth.Prepare(scene);
  for (auto _ : state) benchmark::DoNotOptimize(depth.Find(scene));
}
BENCHMARK(BM_DepthCheckAfterEdit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sk::edit

BENCHMARK_MAIN();
