#pragma once
#include <span>
#include <string>
#include <string_view>

#include "game/frontend/MenuButtons.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenFrame.h"
#include "game/maps/MapList.h"
#include "game/maps/SKScore.h"
#include "game/render/Geometry.h"
#include "game/render/TextCanvas.h"

namespace sk {

// What the menu's pages show besides the menu's own record.
struct TMenuShown {
  const TMapList& Maps;
  const TScoreTable& Scores;  // the selected map's
  const std::string& PlayerName;
};

// The menu's colours.
inline constexpr TColor kMenuGrey = 0x808080;
inline constexpr TColor kMenuDarkRed = 0x800000;
inline constexpr TColor kMenuRed = 0xFF0000;
inline constexpr TColor kMenuBlack = 0x000000;

// The moving background, and the logo above the main page.
void DrawMenuBackdrop(TGraphics& g, TMenuState& menu);
// Everything of the current page above the backdrop: titles, boxes, buttons, texts.
void DrawMenuPage(const TScreenFrame& frame, const TMenuState& menu, const TMenuShown& shown);

// Rounded buttons with centred captions; the one under `mouse` is lit red.
void DrawButtons(TTextCanvas& canvas, std::span<const TMenuBtn> table, TPoint mouse);

// The rounded box of a page title: 200 pixels wide at the least, 560 at the most, centred.
TRect PageTitleBox(TTextCanvas& canvas, std::string_view text);
void DrawPageTitle(TTextCanvas& canvas, std::string_view text);

}  // namespace sk
