#pragma once
#include "tools/skedit/view/EditorState.h"

namespace sk::edit {

// The panel beside the canvas: the map's name and exit, the list of paths, the selected
// path's waypoints with their speeds, the preview's controls, the warnings and the
// difficulty.
void DrawSidePanel(TEditorState& s);

}  // namespace sk::edit
