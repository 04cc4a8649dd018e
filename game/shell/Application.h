#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/Version.h"
#include "game/audio/SKSound.h"
#include "game/maps/MapList.h"
#include "game/maps/SKMap.h"
#include "game/maps/SKScore.h"
#include "game/platform/AudioEngine.h"
#include "game/platform/Display.h"
#include "game/platform/GamePaths.h"
#include "game/platform/ShellPlatform.h"
#include "game/play/ModelDefinitions.h"
#include "game/play/Random.h"
#include "game/render/Geometry.h"
#include "game/render/Graphics.h"
#include "game/resources/SKConfig.h"
#include "game/resources/SKData.h"
#include "game/shell/CommandLine.h"
#include "game/shell/DemoTap.h"
#include "game/shell/FrameTimer.h"
#include "game/shell/ScreenTable.h"

namespace sk {

inline constexpr const char* kApplicationTitle = kGameTitle;

using DisplayFactory = std::function<std::unique_ptr<IDisplay>(TSurface&, TImageList&)>;

// The platform services the game runs on.
struct ShellServices {
  Clock& clock;
  EventSource& events;
  Desktop& desktop;
  AudioEngine& audio;
  DisplayFactory makeDisplay;
  std::string fontPath;  // the face every text of the game is drawn in
};

// The running game: the main window with its display, timer and image list, and the state
// of every module. There is exactly one, and nothing of the game lives outside it.
struct Application {
  explicit Application(ShellServices services);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  ShellServices Platform;
  TScreenTable Screens = GameScreens();

  // The main window's three components.
  TGraphics Graphics;  // back surface, image list (DXImageList), text canvas
  std::unique_ptr<IDisplay> DXDraw;
  TFrameTimer DXTimer;

  // SKMain and SKInit.
  TPoint MousePos;
  std::uint8_t ScreenState = kScreenNone;
  TGamePaths Paths;     // where every file lives; Paths.ProgramDir is the program's folder
  TStartOptions Start;  // what the command line asks of this run
  bool SettingsProblemShown = false;  // the player was told the settings cannot be saved
  // What start-up has to tell the player (the settings cannot be saved): the first screen
  // hands it on to the menu.
  std::string StartNotice;
  // Every EnterGame, EnterMenu, EnterIntro and EnterCredits: each loads pictures, so a demo
  // is held to as many as a session could make.
  std::uint32_t ScreenEntries = 0;
  Random Rng;
  bool Terminated = false;  // the message loop ends
  bool Failed = false;      // ... because of an unexpected error
  DemoTap* Demo = nullptr;  // the demo being recorded or played, if any

  // The other modules.
  TSettings Settings;
  SKData Data;
  TModels Models;
  TMapList MapList;
  TMapState Map;
  TScoreTable ScoreTable;  // the selected map's: shown by the menu, filled by a match's end
  TSoundState Sound;
  TScreenRecordsPtr Records = MakeScreenRecords();  // the screens' own state

  SoundContext SoundModule() { return {Sound, Platform.audio}; }
  TImageList& DXImageList() { return Graphics.Images; }
  std::uint32_t Now() { return Platform.clock.Milliseconds(); }
};

}  // namespace sk
