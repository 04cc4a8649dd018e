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

// The test map's match, else the menu or the intro: each screen enters through its own
// handler.
void EnterFirstScreen(Application& app) {
  std::uint8_t first = kScreenIntro;
  if (app.Settings.TestMode) {
    first = kScreenGame;
  } else if (app.Settings.SkipIntro) {
    first = kScreenMenu;
  }
  app.Screens[first - 1].Enter(app);
}

// For the console: the full path of a file and why the game could not use it.
std::string FileProblem(const std::string& file, const std::string& reason) {
  std::error_code error;
  const auto full = std::filesystem::absolute(file, error);
  return (error ? file : full.string()) + ": " + reason;
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
  app.StartNotice = "Your settings and name cannot be saved: " + ShortReason(problem) + ".";
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

std::string MapProblem(const std::string& file, MapLoadResult result) {
  const std::string problem = result == MapLoadResult::Unreadable ? OpenProblem(file) : "";
  return FileProblem(file, problem.empty() ? DescribeMapLoadResult(result) : problem);
}

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
  if (app.Demo != nullptr) app.Demo->KeepMaps(app.MapList);
  EnterFirstScreen(app);
  InitSound(app.SoundModule());
  LoadSounds(app.Data, app.SoundModule());
  app.DXDraw->InitializeDisplay();
  EnableTimer(app.DXTimer, app.Now());
  app.Platform.desktop.ShowMainWindow();
  // Showing the window makes the game the active application.
  app.Platform.desktop.SetCursorVisible(false);
  PlayMusic(app.SoundModule());
}

// No pause between the save and the release: the settings are on the disk once the save
// returns, and a closing game that lingers only keeps the player waiting.
void CloseAll(Application& app) {
  SaveClosingSettings(app);
  FreeAll(app);
}

void FreeAll(Application& app) {
  DisableTimer(app.DXTimer);
  app.DXDraw->FinalizeDisplay();
  FreeMusic(app.SoundModule());
  FreeSound(app.SoundModule());
  app.Data.CloseArchive();
}

void MoveCursor(Application& app, TPoint point) {
  app.DXDraw->WarpCursor(point);
  app.MousePos = point;
}

void CenterCursor(Application& app) {
  MoveCursor(app, TPoint{kScreenWidth / 2, kScreenHeight / 2});
}

}  // namespace sk
