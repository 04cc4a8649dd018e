#include "tools/skedit/view/Window.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

namespace sk::edit {

TEditorWindow::TEditorWindow(const TEditorSettings& s) {
  const int x = s.WindowX < 0 ? int(SDL_WINDOWPOS_CENTERED) : s.WindowX;
  const int y = s.WindowY < 0 ? int(SDL_WINDOWPOS_CENTERED) : s.WindowY;
  Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (s.Maximized) flags |= SDL_WINDOW_MAXIMIZED;
  window_ = SDL_CreateWindow("Skarveth Map Editor", x, y, s.WindowWidth, s.WindowHeight, flags);
  if (!window_) return;
  SDL_SetWindowMinimumSize(window_, 800, 560);
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) return;
  IMGUI_CHECKVERSION();
  ImGui::CreateContext();
  ImGui::GetIO().IniFilename = nullptr;  // the editor remembers its own window
  ImGui::StyleColorsDark();
  ImGui_ImplSDL2_InitForSDLRenderer(window_);
  ImGui_ImplSDLRenderer_Init(renderer_);
  imgui_ = true;
}

TEditorWindow::~TEditorWindow() {
  if (imgui_) {
    ImGui_ImplSDLRenderer_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
  }
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

void TEditorWindow::Remember(TEditorSettings& s) const {
  if (!window_) return;
  s.Maximized = (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0;
  if (s.Maximized) return;  // the size to go back to stays the one before
  SDL_GetWindowPosition(window_, &s.WindowX, &s.WindowY);
  SDL_GetWindowSize(window_, &s.WindowWidth, &s.WindowHeight);
}

}  // namespace sk::edit
