#pragma once
#include <cstdint>

#include "game/frontend/SKIntro.h"
#include "game/frontend/ScreenFrame.h"
#include "game/play/ModelDefinitions.h"
#include "game/render/Graphics.h"

namespace sk {

// The pictures of the intro's current step and tick: the grey backdrop with its dark band,
// the rippling maker's logo, the hopping models and the menu logo assembling from its halves.
void DrawIntroPictures(TGraphics& g, const TIntroState& intro, std::int32_t& backgroundOffset);

// The captions of the current step, fading in and out, over the pictures.
void DrawIntroCaptions(const TScreenFrame& frame, const TIntroState& intro, const TModels& models);

// Sets the canvas's font to the caption grey of this tick (black at the step's ends, white in
// its middle) and returns that grey level.
int CaptionFade(TTextCanvas& canvas, const TIntroState& intro);

// The intro's own words; the rest are fixed titles.
inline constexpr const char* kIntroMakersLine = "Vosk Game Works";
inline constexpr const char* kIntroAffiliationLines[2] = {"Proud Members of",
                                                          "the Greyfell Gaming Clan"};

}  // namespace sk
