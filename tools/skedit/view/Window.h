#pragma once
#include <SDL.h>

#include "tools/skedit/model/EditorSettings.h"

namespace sk::edit {

// The editor's resizable window where it was last left, with its renderer and Dear ImGui
// set up on them.
class TEditorWindow {
 public:
  explicit TEditorWindow(const TEditorSettings& settings);
  ~TEditorWindow();
  TEditorWindow(const TEditorWindow&) = delete;
  TEditorWindow& operator=(const TEditorWindow&) = delete;

  SDL_Window* Window() const { return window_; }
  SDL_Renderer* Renderer() const { return renderer_; }
  // Its place and size now, for the next start.
  void Remember(TEditorSettings& settings) const;

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  bool imgui_ = false;
};

}  // namespace sk::edit
