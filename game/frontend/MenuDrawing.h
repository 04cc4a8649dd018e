#pragma once

namespace sk {

struct Application;

// The tiled background that the menu, the end of the intro and the credits scroll behind
// everything else: one pixel right and down per frame, standing still while the intro shows.
void DrawMenuBackground(Application& app);

}  // namespace sk
