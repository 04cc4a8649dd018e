// The heaviest frame of the game screen, drawn by the core exactly as a step draws it, against
// one frame's memcpy measured in the same run. The frame has everything at once: eight
// models walking (four of them dead, with blood), the scenery layer, a fresh rail trail
// across the screen, the reload bar at full width, three-digit numbers, the frame rate, the
// hovered model's name and a chat line.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench/FrameMemcpy.h"
#include "game/frontend/Cursor.h"
#include "game/frontend/GameDrawing.h"
#include "game/frontend/GameScreen.h"
#include "game/frontend/ScreenFrame.h"
#include "game/frontend/ScreenPictures.h"
#include "game/shell/Application.h"
#include "platform/null/HeadlessHost.h"

namespace sk {
namespace {

struct HeaviestFrame : THeadlessHost {
  std::unique_ptr<Application> app;
  bool ready = false;

  HeaviestFrame() : THeadlessHost(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf", 5000) {
    app = MakeApplication();
    if (!app->Data.OpenArchive(SK_GAME_DIR "/Skarveth.dat", SK_GAME_DIR "/Data/")) return;
    app->Models = LoadModelDefinitions(app->Data);
    LoadGameImages(app->Data, app->DXImageList());
    if (!LoadMap(app->Map, app->DXImageList(), SK_GAME_DIR "/Maps/FrostDepot.map",
                 GameRecord(*app).WalkingModels) ||
        GameRecord(*app).WalkingModels.size() != 8 || !app->Map.MapHasMask) {
      return;
    }
    RestoreImages(app->DXImageList());
    app->ScreenState = kScreenGame;
    app->Settings.DrawFPS = true;
    app->DXTimer.FrameRate = 62;
    TGameState& game = GameRecord(*app);
    game.MatchState = TMatchState::Running;
    for (std::size_t i = 0; i < 8; ++i) {
      TWalkingModel& model = game.WalkingModels[i];
      model.ModelType = static_cast<std::int32_t>(i);
      model.Position = static_cast<std::int32_t>(PathLength(app->Map, i) / 2);
      model.Active = i % 2 == 0;
      model.Dying = model.Active ? 0 : 25 - static_cast<std::int32_t>(i);
    }
    app->MousePos = {ModelRect(app->Map, GameRecord(*app), 0).Left + 25,
                     ModelRect(app->Map, GameRecord(*app), 0).Top + 40};
    app->DXDraw->WarpCursor(app->MousePos);
    game.ShotPoint = {0, 0};  // corner to gun: the longest trail
    game.TrailTime = 30;
    game.ReloadTime = 0;
    game.Frags = 105;
    game.Health = 100;
    game.ChatTime = 200;
    game.ChatMessage = "Somebody: that was not supposed to happen, was it now, was it";
    ready = true;
  }

  void Draw() {
    const TScreenFrame frame = ScreenFrame(*app);
    DrawGameScene(frame, app->Map, GameRecord(*app));
    DrawGameHud(frame, app->Map, GameRecord(*app), app->Models);
    DrawCursor(app->DXImageList(), app->Graphics.BackSurface, *app->DXDraw, app->ScreenState,
               app->MousePos);
  }
};

void BM_HeaviestGameFrame(benchmark::State& state) {
  HeaviestFrame frame;
  if (!frame.ready) {
    state.SkipWithError("the ready-to-play folder with FrostDepot.map is missing");
    return;
  }
  for (auto _ : state) {
    frame.Draw();
    benchmark::ClobberMemory();
  }
  state.counters["hovered"] = GameRecord(*frame.app).HoveredModel;
}
BENCHMARK(BM_HeaviestGameFrame);

}  // namespace
}  // namespace sk

BENCHMARK_MAIN();
