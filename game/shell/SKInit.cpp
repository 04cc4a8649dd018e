#include "game/shell/SKInit.h"

#include <filesystem>

#include "common/Error.h"
#include "common/FileIo.h"
#include "game/shell/Application.h"
#include "game/shell/AssetSets.h"

namespace sk {
namespace {

void ApplySettings(Application& app) {
  const TSettings& settings = app.Settings;
  app.DXDraw->SetDisplayOptions({settings.FullScreen, settings.VSync});
  SetTimerInterval(app.DXTimer, settings.FrameDelay);
  app.Sound.SoundOff = settings.SoundOff;
  app.Sound.MusicOff = settings.MusicOff;
  app.Sound.SoundVolume = settings.SoundVolume;
  app.Sound.MusicVolume = settings.MusicVolume;
}

void EnterFirstScreen(Application& app) {
  if (app.Settings.TestMode) {
    EnterGame(app);
  } else if (app.Settings.SkipIntro) {
    EnterMenu(app, kMenuPageMain);
  } else {
    EnterIntro(app);
  }
}

// The map file of this match: the test map, or the entry picked on the menu's map page
// (empty when nothing valid is picked).
std::string MatchMapFile(const Application& app) {
  if (app.Settings.TestMode) return TestMapFile(app.Settings.TestMapPath);
  const auto index = static_cast<std::size_t>(app.Menu.SelectedMap);
  if (app.Menu.SelectedMap < 0 || index >= app.MapList.size()) return "";
  return app.ProgramDir + "Maps/" + app.MapList[index].FileName;
}

MapLoadResult LoadMatchMap(Application& app, const std::string& file) {
  if (file.empty()) return MapLoadResult::Unreadable;
  std::vector<TWalkingModel>& models = app.Game.WalkingModels;
  return LoadMapFile(app.Map, app.DXImageList(), file, [&models](std::size_t path_count) {
    models.resize(path_count);
    for (TWalkingModel& model : models) model.Position = 0;
  });
}

// For the console: the full path of a file and why the game could not use it.
std::string FileProblem(const std::string& file, const std::string& reason) {
  std::error_code error;
  const auto full = std::filesystem::absolute(file, error);
  return (error ? file : full.string()) + ": " + reason;
}

std::string MapProblem(const std::string& file, MapLoadResult result) {
  const std::string problem = result == MapLoadResult::Unreadable ? OpenProblem(file) : "";
  return FileProblem(file, problem.empty() ? DescribeMapLoadResult(result) : problem);
}

std::string ArchiveProblem(const std::string& file) {
  const std::string problem = OpenProblem(file);
  return FileProblem(file, problem.empty() ? "not a data archive of this game" : problem);
}

}  // namespace

std::string TestMapFile(const std::string& configuredPath) {
  return NormalizeSeparators(configuredPath);
}

void InitAll(Application& app) {
  app.Rng.SetSeed(app.Platform.desktop.TimeOfDayMilliseconds());
  app.ProgramDir = app.Platform.desktop.ProgramDir();
  app.Settings = LoadConfig(app.ProgramDir);
  ApplySettings(app);
  if (!app.Data.OpenArchive(app.ProgramDir)) {
    throw Error(kDataFileError, ArchiveProblem(app.ProgramDir + "Skarveth.dat"));
  }
  app.Models = LoadModelDefinitions(app.Data);
  app.MapList = BuildMapList(app.ProgramDir);
  EnterFirstScreen(app);
  InitSound(app.SoundModule());
  LoadSounds(app);
  app.DXDraw->InitializeDisplay();
  EnableTimer(app.DXTimer, app.Now());
  app.Platform.desktop.ShowMainWindow();
  // Showing the window makes the game the active application.
  app.Platform.desktop.SetCursorVisible(false);
  PlayMusic(app.SoundModule());
}

void CloseAll(Application& app) {
  SaveName(app.ProgramDir, app.Settings.PlayerName);
  app.Platform.clock.Sleep(100);
  FreeAll(app);
}

void FreeAll(Application& app) {
  DisableTimer(app.DXTimer);
  app.DXDraw->FinalizeDisplay();
  FreeMusic(app.SoundModule());
  FreeSound(app.SoundModule());
  app.Data.CloseArchive();
}

void EnterGame(Application& app) {
  ++app.ScreenEntries;
  StopSamples(app.SoundModule());
  LoadGameImages(app);
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
  StartMatch(app);
  app.ScreenState = kScreenGame;
  CenterCursor(app);
}

void EnterMenu(Application& app, std::uint8_t page) {
  ++app.ScreenEntries;
  StopSamples(app.SoundModule());
  LoadMenuImages(app);
  RestoreImages(app.DXImageList());
  app.Menu.MenuPage = page;
  app.ScreenState = kScreenMenu;
  MoveCursor(app, TPoint{0, 0});
}

void EnterIntro(Application& app) {
  ++app.ScreenEntries;
  LoadIntroImages(app);
  RestoreImages(app.DXImageList());
  app.Intro.IntroStep = 0;
  app.ScreenState = kScreenIntro;
}

void EnterCredits(Application& app) {
  ++app.ScreenEntries;
  StopSamples(app.SoundModule());
  app.Credits.CreditsCounter = kCreditsStart;
  app.ScreenState = kScreenCredits;
}

void MoveCursor(Application& app, TPoint point) {
  app.DXDraw->WarpCursor(point);
  app.MousePos = point;
}

void CenterCursor(Application& app) { MoveCursor(app, TPoint{kScreenWidth / 2, kScreenHeight / 2}); }

}  // namespace sk
