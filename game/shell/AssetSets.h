#pragma once
#include <cstdint>
#include <string>

#include "game/render/Color.h"

namespace sk {

struct Application;

// Appends the archive member `name` (a loose file in Data/ wins) to the image list as a
// picture; a member that exists nowhere gives an empty picture under that name.
void LoadImage(Application& app, const std::string& name, bool transparent,
               TColor transparentColor, bool systemMemory);

// Each replaces the whole image list with one screen's pictures. The caller rebuilds the
// drawing copies afterwards (RestoreImages).
void LoadGameImages(Application& app);
void LoadMenuImages(Application& app);
void LoadIntroImages(Application& app);

// The fifteen effects, by their fixed numbers, and the song.
void LoadSounds(Application& app);

}  // namespace sk
