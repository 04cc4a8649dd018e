#pragma once
#include <SDL.h>

#include "tools/skedit/view/EditorState.h"

namespace sk::edit {

// The map at whole-number zoom with a margin around it for models that start off screen: the
// game's own frame (with the preview's models), the scenery overlay, every path as a coloured
// line with numbered waypoints, its speed flags and the exit. Clicks and drags edit the map.
void DrawCanvas(TEditorState& s, SDL_Texture* frame, SDL_Texture* scenery);

// The colour of path `p` on the canvas and in the panel (ImGui's packed ABGR).
unsigned PathColour(std::size_t p);

}  // namespace sk::edit
