#pragma once
#include <string>

#include "game/audio/SKSound.h"
#include "game/render/Color.h"
#include "game/render/ImageList.h"
#include "game/resources/SKData.h"

namespace sk {

// Appends the archive member `name` (a loose file in Data/ wins) to the image list as a
// picture; a member that exists nowhere gives an empty picture under that name.
void LoadImage(const SKData& data, TImageList& images, const std::string& name, bool transparent,
               TColor transparentColor, bool systemMemory);

// The fifteen effects, by their fixed numbers, and the song.
void LoadSounds(const SKData& data, SoundContext sound);

}  // namespace sk
