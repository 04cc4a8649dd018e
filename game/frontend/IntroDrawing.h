#pragma once

namespace sk {

struct Application;

// The pictures of the intro's current step and tick: the grey backdrop with its dark band,
// the rippling maker's logo, the hopping models and the menu logo assembling from its halves.
void DrawIntroPictures(Application& app);

// The captions of the current step, fading in and out, over the pictures.
void DrawIntroCaptions(Application& app);

// Sets the canvas's font to the caption grey of this tick (black at the step's ends, white in
// its middle) and returns that grey level.
int CaptionFade(Application& app);

// The intro's own words; the rest are fixed titles.
inline constexpr const char* kIntroMakersLine = "Vosk Game Works";
inline constexpr const char* kIntroAffiliationLines[2] = {"Proud Members of",
                                                          "the Greyfell Gaming Clan"};

}  // namespace sk
