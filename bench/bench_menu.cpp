// Whole menu frames (backdrop, page, cursor, flip) with the shipped pictures and font, next to
// memcpy of one 640 x 480 RGB565 frame. The heaviest pages are the map list with eight rows and
// a lit button, and the high scores with eight coloured names.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "bench/FrameMemcpy.h"
#include "game/frontend/MenuButtons.h"
#include "game/frontend/SKMenu.h"
#include "game/shell/Application.h"
#include "platform/null/HeadlessHost.h"

namespace sk {
namespace {

std::vector<std::uint8_t> ReadArchiveFile(const char* name) {
  std::ifstream in(std::string(SK_SOURCE_DIR "/data/archive/") + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct MenuScene : THeadlessHost {
  std::unique_ptr<Application> app;

  explicit MenuScene(std::uint8_t page, const TMenuBtn& hover)
      : THeadlessHost(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf", 5000) {
    app = MakeApplication();
    app->Sound.SoundOff = true;
    TImageList& images = app->DXImageList();
    AddImage(images, "Menu_Cursor.bmp", ReadArchiveFile("Menu_Cursor.bmp"), true, 0x000000, false);
    AddImage(images, "Menu_Logo.bmp", ReadArchiveFile("Menu_Logo.bmp"), true, 0xFF00FF, false);
    AddImage(images, "Menu_Background.bmp", ReadArchiveFile("Menu_Background.bmp"), false, 0x000000,
             false);
    RestoreImages(images);
    app->DXDraw->InitializeDisplay();
    app->ScreenState = kScreenMenu;
    MenuRecord(*app).MenuPage = page;
    MenuRecord(*app).HoverPage = page;
    const TPoint at{(hover.Left + hover.Right) / 2, (hover.Top + hover.Bottom) / 2};
    app->DXDraw->WarpCursor(at);
    app->MousePos = at;
    for (int i = 0; i < 12; ++i) {
      app->MapList.push_back({"Reactor Core Service Tunnels " + std::to_string(i),
                              "ReactorCoreServiceTunnels" + std::to_string(i) + ".map", ""});
    }
    MenuRecord(*app).ListTop = 2;
    MenuRecord(*app).SelectedMap = 5;
    for (std::size_t r = 0; r < kScoreRanks; ++r) {
      app->ScoreTable.Entries[r] = {
          static_cast<std::uint16_t>(900 - 100 * r),
          "^1Red^2Green^3Yellow^4Blue^5Cyan^6Pink^7White" + std::to_string(r)};
    }
  }
};

void Frames(benchmark::State& state, MenuScene& scene) {
  for (auto _ : state) {
    MenuStep(*scene.app);
    benchmark::ClobberMemory();
  }
}

void BM_MenuMapPage(benchmark::State& state) {
  MenuScene scene(kMenuPageMaps, MapButtons[2]);
  Frames(state, scene);
}
BENCHMARK(BM_MenuMapPage);

void BM_MenuScorePage(benchmark::State& state) {
  MenuScene scene(kMenuPageScores, ScoreButtons[0]);
  Frames(state, scene);
}
BENCHMARK(BM_MenuScorePage);

void BM_MenuMainPage(benchmark::State& state) {
  MenuScene scene(kMenuPageMain, MainButtons[0]);
  Frames(state, scene);
}
BENCHMARK(BM_MenuMainPage);

void BM_MenuNamePage(benchmark::State& state) {
  MenuScene scene(kMenuPageName, NameButtons[1]);
  scene.app->Settings.PlayerName = "^1Unknown ^2Skarveth^7er of the Long Name";
  Frames(state, scene);
}
BENCHMARK(BM_MenuNamePage);

}  // namespace
}  // namespace sk

BENCHMARK_MAIN();
