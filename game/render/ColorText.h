#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "game/render/Geometry.h"
#include "game/render/TextCanvas.h"

namespace sk {

// How DrawText and DrawColorText place the text against the anchor x. Any other value acts
// as Left.
enum class TextAlign : std::uint8_t { Left = 0, Right = 1, Centre = 2 };

// The visible characters of a text with colour codes: "^" and one character vanish, "^^" is
// one caret, a final "^" vanishes.
std::string StripColorCodes(std::string_view text);
// Appends the visible characters of `text` to `dest`.
void StripColorCodes(std::string_view text, std::string& dest);

// The colour of code character c ('1'..'8'); false for any other character.
bool ColorCodeColor(char c, TColor& color);

// Plain text centred vertically on y, aligned on x, clipped to `clip`, with an optional
// one-pixel black shadow below right. The canvas's brush should be clear.
void DrawText(TTextCanvas& canvas, const TRect& clip, int x, int y, std::string_view text,
              bool shadow, TextAlign align);
// Colour-coded text, placed by its visible characters; starts white; the canvas's font
// colour is the same afterwards.
void DrawColorText(TTextCanvas& canvas, const TRect& clip, int x, int y, std::string_view text,
                   bool shadow, TextAlign align);

inline int RectCentreX(const TRect& r) { return r.Left + (r.Right - r.Left) / 2; }
inline int RectCentreY(const TRect& r) { return r.Top + (r.Bottom - r.Top) / 2; }

}  // namespace sk
