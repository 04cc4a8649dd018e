#pragma once
#include <SDL.h>

#include "tools/skedit/view/EditorState.h"
#include "tools/skedit/view/Menus.h"
#include "tools/skedit/view/Textures.h"

namespace sk::edit {

// The two textures the canvas shows, and what they were last filled from.
struct TCanvasTextures {
  TScreenTexture Frame;
  TScreenTexture Scenery;
  std::uint64_t FrameRevision = ~std::uint64_t{0};
  std::uint32_t FrameStep = ~0u;
  bool FrameModels = false;
  const void* SceneryOf = nullptr;
  std::uint64_t SceneryLoad = ~std::uint64_t{0};
};

// Moves the preview on by `milliseconds` while it plays: one step per game tick, and a
// short rest at the exit before the round starts again.
void AdvancePreview(TEditorState& s, double milliseconds);
// Fills the textures from the current edit and preview step, when they changed.
void UpdateTextures(TEditorState& s, TCanvasTextures& t);
// One frame of the window: menu bar, canvas, side panel, status line and dialogs.
void DrawEditorFrame(TEditorState& s, TDialogs& d, TCanvasTextures& t);

}  // namespace sk::edit
