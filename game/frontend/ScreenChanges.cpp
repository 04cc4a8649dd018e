#include "game/frontend/ScreenChanges.h"

#include "common/Error.h"
#include "game/frontend/GameScreen.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenPictures.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"

namespace sk {
namespace {

// The map file of this match: the test map, or the entry picked on the menu's map page
// (empty when nothing valid is picked).
std::string MatchMapFile(const Application& app) {
  if (app.Settings.TestMode) return TestMapFile(app.Settings.TestMapPath);
  const auto index = static_cast<std::size_t>(MenuRecord(app).SelectedMap);
  if (MenuRecord(app).SelectedMap < 0 || index >= app.MapList.size()) return "";
  return app.MapList[index].File();
}

MapLoadResult LoadMatchMap(Application& app, const std::string& file) {
  if (file.empty()) return MapLoadResult::Unreadable;
  std::vector<TWalkingModel>& models = GameRecord(app).WalkingModels;
  return LoadMapFile(app.Map, app.DXImageList(), file, [&models](std::size_t path_count) {
    models.resize(path_count);
    for (TWalkingModel& model : models) model.Position = 0;
  });
}

}  // namespace

void EnterGame(Application& app) {
  ++app.ScreenEntries;
  StopSamples(app.SoundModule());
  LeaveMenuNotice(MenuRecord(app));
  LoadGameImages(app.Data, app.DXImageList());
  const std::string file = MatchMapFile(app);
  const MapLoadResult loaded = LoadMatchMap(app, file);
  if (loaded != MapLoadResult::Loaded) {
    if (app.Settings.TestMode) {
      throw Error("Cannot load test map: \"" + app.Settings.TestMapPath + "\"",
                  MapProblem(file, loaded));
    }
    EnterMenu(app, kMenuPageMaps);
    return;
  }
  RestoreImages(app.DXImageList());
  StartMatch(GameMatch(app));
  app.ScreenState = kScreenGame;
  CenterCursor(app);
}

void EnterMenu(Application& app, std::uint8_t page) {
  ++app.ScreenEntries;
  StopSamples(app.SoundModule());
  LoadMenuImages(app.Data, app.DXImageList());
  RestoreImages(app.DXImageList());
  MenuRecord(app).MenuPage = page;
  app.ScreenState = kScreenMenu;
  MoveCursor(app, TPoint{0, 0});
}

void EnterIntro(Application& app) {
  ++app.ScreenEntries;
  LoadIntroImages(app.Data, app.DXImageList());
  RestoreImages(app.DXImageList());
  IntroRecord(app).IntroStep = 0;
  app.ScreenState = kScreenIntro;
}

void EnterCredits(Application& app) {
  ++app.ScreenEntries;
  StopSamples(app.SoundModule());
  LeaveMenuNotice(MenuRecord(app));
  CreditsRecord(app).CreditsCounter = kCreditsStart;
  app.ScreenState = kScreenCredits;
}

}  // namespace sk
