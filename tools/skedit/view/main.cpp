// SKEDIT: the map editor. An author points at the picture instead of typing coordinates,
// sets speeds instead of ticks, and sees the map as a match shows it while editing.
#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "common/StopSignals.h"
#include "common/Version.h"
#include "game/shell/ProgramDir.h"
#include "tools/skedit/model/Recovery.h"
#include "tools/skedit/view/Arguments.h"
#include "tools/skedit/view/EditorFrame.h"
#include "tools/skedit/view/FrameStats.h"
#include "tools/skedit/view/Window.h"

namespace sk::edit {
namespace {

using Clock = std::chrono::steady_clock;

TGamePaths EditorGamePaths() {
  const std::string program_dir = FindProgramDir();
  std::string problem;
  auto paths = FindGamePaths(program_dir, ProcessUserEnvironment(), InstalledDataFromProgram(),
                             problem);
  return paths ? *paths : ReadyToPlayPaths(program_dir);
}

void Prepare(TEditorState& s, const TEditorArguments& a) {
  s.Paths = EditorGamePaths();
  const std::string folder = EditorFolder().value_or(s.Paths.ProgramDir);
  s.SettingsFile = folder + "skedit.ini";
  s.RecoveryFile = folder + "skedit-recovery.ini";
  s.Settings = ReadEditorSettings(s.SettingsFile);
  s.Recovered = ReadRecovery(s.RecoveryFile);
  s.Work.Scene.LoadModels(s.Paths.ArchiveFile());
  if (!a.NewDescription.empty()) {
    StartNewMap(s, a.NewDescription, a.NewBackground, a.NewMask);
  } else if (!a.File.empty()) {
    OpenAnyFile(s, a.File);
  }
}

void SetTitle(SDL_Window* window, const TEditorState& s) {
  std::string title = "Skarveth Map Editor";
  if (HasWork(s))
    title = (s.Work.Doc->Modified() ? "*" : "") + CurrentMap(s).Content.Name + " - " + title;
  if (title != SDL_GetWindowTitle(window)) SDL_SetWindowTitle(window, title.c_str());
}

// Waits for input while nothing moves on screen, so an idle editor costs no processor.
bool Busy(const TEditorState& s) {
  return s.Preview.Playing || s.Difficulty.Busy() || s.Canvas.Drag != TDragKind::None ||
         s.GamePid != 0;
}

// A key's press and release in one frame would never be seen by Dear ImGui: input stops
// at each key or button event, and the rest waits for the next frame.
bool EndsFrameInput(const SDL_Event& event) {
  return event.type == SDL_KEYDOWN || event.type == SDL_KEYUP ||
         event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP;
}

void PumpEvents(TEditorState& s, SDL_Window* window) {
  SDL_Event event;
  bool got = SDL_WaitEventTimeout(&event, Busy(s) ? 15 : 250) != 0;
  while (got) {
    ImGui_ImplSDL2_ProcessEvent(&event);
    // The back-end reads the modifiers as they are now, after every queued key; each key
    // event is handled in a frame of its own, so its own modifiers are the ones that count.
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
      ImGuiIO& io = ImGui::GetIO();
      io.KeyCtrl = (event.key.keysym.mod & KMOD_CTRL) != 0;
      io.KeyShift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
      io.KeyAlt = (event.key.keysym.mod & KMOD_ALT) != 0;
      io.KeySuper = (event.key.keysym.mod & KMOD_GUI) != 0;
    }
    const bool close = event.type == SDL_WINDOWEVENT &&
                       event.window.event == SDL_WINDOWEVENT_CLOSE &&
                       event.window.windowID == SDL_GetWindowID(window);
    if (event.type == SDL_QUIT || close) RequestQuit(s);
    got = !EndsFrameInput(event) && SDL_PollEvent(&event) != 0;
  }
}

// While a button is held the SDL back-end asks X for the pointer's screen position, which X
// may answer from a cache that stops moving during the drag (seen under Xvfb); the position
// in our window from SDL's own motion events is always current.
void FollowPointer() {
  ImGuiIO& io = ImGui::GetIO();
  if (!ImGui::IsMousePosValid()) return;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  io.MousePos = ImVec2(float(x), float(y));
}

void Run(TEditorState& s, TStopSignals& stop, SDL_Window* window, SDL_Renderer* renderer) {
  TDialogs dialogs;
  TCanvasTextures textures{TScreenTexture(renderer, SDL_PIXELFORMAT_RGB565),
                           TScreenTexture(renderer, SDL_PIXELFORMAT_RGBA32)};
  TFrameStats stats;
  auto last = Clock::now();
  while (!s.Quit && stop.Pending() == 0) {
    PumpEvents(s, window);
    const auto start = Clock::now();
    AdvancePreview(s, std::chrono::duration<double, std::milli>(start - last).count());
    last = start;
    FollowEdits(s);
    UpdateTextures(s, textures);
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    FollowPointer();
    ImGui::NewFrame();
    DrawEditorFrame(s, dialogs, textures);
    ImGui::Render();
    SDL_SetRenderDrawColor(renderer, 20, 20, 24, 255);
    SDL_RenderClear(renderer);
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    stats.Add(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    SDL_RenderPresent(renderer);
    SetTitle(window, s);
    if (s.Raise) {
      SDL_RaiseWindow(window);
      SDL_SetWindowInputFocus(window);  // without a window manager, nobody else gives it back
    }
    s.Raise = false;
    if (Clock::now() - s.LastRecovery > std::chrono::seconds(kRecoveryIntervalSeconds))
      WriteRecoveryNow(s);
  }
  stats.Report();
}

int RunEditor(const TEditorArguments& a, TStopSignals& stop) {
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::cerr << "skedit: cannot open a window: " << SDL_GetError() << '\n';
    return 1;
  }
  int status = 0;
  {
    TEditorState s;
    Prepare(s, a);
    TEditorWindow window(s.Settings);
    if (!window.Renderer()) {
      std::cerr << "skedit: cannot open a window: " << SDL_GetError() << '\n';
      status = 1;
    } else {
      Run(s, stop, window.Window(), window.Renderer());
      // Ended by a signal with unsaved work: the recovery copy keeps it for the next start.
      if (stop.Pending() != 0) WriteRecoveryNow(s);
      else RemoveRecovery(s.RecoveryFile);
      window.Remember(s.Settings);
      WriteEditorSettings(s.SettingsFile, s.Settings);
    }
  }
  SDL_Quit();
  return status;
}

}  // namespace
}  // namespace sk::edit

int main(int argc, char** argv) {
  // Before any thread starts, so every thread holds the signals back.
  sk::TStopSignals stop;
  std::string problem;
  const auto args = sk::edit::ParseEditorArguments(
      std::vector<std::string>(argv + std::min(argc, 1), argv + argc), problem);
  if (!args) {
    std::cerr << "skedit: " << problem << '\n' << sk::edit::EditorUsage();
    return 2;
  }
  if (args->Help) {
    std::cout << sk::edit::EditorUsage();
    return 0;
  }
  if (args->Version) {
    std::cout << "skedit " << sk::kGameVersion << ", the map editor of " << sk::kGameTitle << '\n';
    return 0;
  }
  const int status = sk::edit::RunEditor(*args, stop);
  if (const int signal = stop.Pending()) stop.EndBy(signal);
  return status;
}
