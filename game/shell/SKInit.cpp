#include "game/shell/SKInit.h"

#include <cstdio>
#include <filesystem>

#include "common/Error.h"
#include "common/FileIo.h"
#include "common/Printable.h"
#include "game/shell/Application.h"
#include "game/shell/AssetSets.h"

namespace sk {
namespace {

void ApplySettings(Application& app) {
  const TSettings& settings = app.Settings;
  app.DXDraw->SetDisplayOptions({settings.FullScreen, settings.VSync,
                                 TWindowSize{settings.WindowWidth, settings.WindowHeight},
                                 settings.WindowMaximized});
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
  return app.MapList[index].File();
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

// An installed copy's first start makes the player's settings file; when that fails, the
// player learns on the menu that nothing of this run will be kept.
void SeedSettings(Application& app) {
  if (app.Start.KeepSettingsFile) return;
  std::string problem;
  if (SeedSettingsFile(app.Paths, problem)) return;
  std::fprintf(stderr, "Cannot make the settings file %s\n", PrintableText(problem).c_str());
  ShowMenuNotice(app.Menu, "Your settings and name cannot be saved: " + ShortReason(problem) + ".");
  app.SettingsProblemShown = true;
}

// What a normal close writes: the name, and the window's settings where this run changed them.
TClosingSettings ClosingSettings(const Application& app) {
  TClosingSettings values(app.Settings.PlayerName);
  const TSettings& start = app.Settings;
  const IDisplay& display = *app.DXDraw;
  if (display.DisplayOptions().FullScreen != start.FullScreen)
    values.FullScreen = display.DisplayOptions().FullScreen;
  if (const auto window = display.ResizedWindow()) {
    values.WindowWidth = window->Width;
    values.WindowHeight = window->Height;
  }
  if (display.WindowMaximized() != start.WindowMaximized)
    values.WindowMaximized = display.WindowMaximized();
  return values;
}

void SaveClosingSettings(Application& app) {
  if (app.Start.KeepSettingsFile) return;
  std::string problem;
  if (SaveSettings(app.Paths.SettingsFile(), ClosingSettings(app), &problem)) return;
  // The window is about to go: a box is the last chance to tell the player, unless the menu
  // has said it already.
  if (app.SettingsProblemShown) return;
  app.SettingsProblemShown = true;
  app.Platform.desktop.ShowWarningBox(
      kApplicationTitle, "Your name and settings were not saved: " + ShortReason(problem) + ".");
}

}  // namespace

std::string ShortReason(const std::string& problem) {
  const std::size_t cut = problem.rfind(": ");
  return cut == std::string::npos ? problem : problem.substr(cut + 2);
}

std::optional<std::string> TestMapProblem(const std::string& configuredPath) {
  const std::string file = TestMapFile(configuredPath);
  TMapState map;
  TImageList images;
  AddMapImages(images);
  const MapLoadResult loaded = LoadMapFile(map, images, file, [](std::size_t) {});
  if (loaded == MapLoadResult::Loaded) return std::nullopt;
  return MapProblem(file, loaded);
}

TSettings ReadStartSettings(const TGamePaths& paths, const TStartOptions& start) {
  TSettings settings = LoadConfig(SettingsFileToRead(paths));
  if (!start.TestMap.empty()) UseTestMap(settings, start.TestMap);
  return settings;
}

std::string TestMapFile(const std::string& configuredPath) {
  return NormalizeSeparators(configuredPath);
}

void InitAll(Application& app) {
  app.Rng.SetSeed(app.Platform.desktop.TimeOfDayMilliseconds());
  app.Paths = app.Platform.desktop.Paths();
  SeedSettings(app);
  app.Settings = ReadStartSettings(app.Paths, app.Start);
  ApplySettings(app);
  if (!app.Data.OpenArchive(app.Paths.ArchiveFile(), app.Paths.OverrideFolder())) {
    throw Error(kDataFileError, ArchiveProblem(app.Paths.ArchiveFile()));
  }
  app.Models = LoadModelDefinitions(app.Data);
  app.MapList = BuildMapList(app.Paths.MapFolders());
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
  SaveClosingSettings(app);
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
  LeaveMenuNotice(app.Menu);
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
  LeaveMenuNotice(app.Menu);
  app.Credits.CreditsCounter = kCreditsStart;
  app.ScreenState = kScreenCredits;
}

void MoveCursor(Application& app, TPoint point) {
  app.DXDraw->WarpCursor(point);
  app.MousePos = point;
}

void CenterCursor(Application& app) {
  MoveCursor(app, TPoint{kScreenWidth / 2, kScreenHeight / 2});
}

}  // namespace sk
