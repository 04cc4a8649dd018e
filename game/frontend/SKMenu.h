#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/maps/MapList.h"

namespace sk {

struct Application;

// Menu pages: main, exit confirmation, name entry, map selection, high scores.
inline constexpr std::uint8_t kMenuPageMain = 0;
inline constexpr std::uint8_t kMenuPageExit = 1;
inline constexpr std::uint8_t kMenuPageName = 2;
inline constexpr std::uint8_t kMenuPageMaps = 3;
inline constexpr std::uint8_t kMenuPageScores = 4;

struct TMenuState {
  std::uint8_t MenuPage = kMenuPageMain;
  std::uint8_t SavedPage = kMenuPageMain;  // where Escape on the exit confirmation returns
  std::int32_t SelectedMap = 0;            // index into the map list; kept for the whole run
  std::int32_t ListTop = 0;                // first of the eight visible list rows; kept too
  std::int32_t HoverButton = 0;            // button under the pointer at the last frame
  std::uint8_t HoverPage = kMenuPageMain;  // the page shown at the last frame
  std::int32_t BackgroundOffset = 0;       // scroll of the tiled background, 0 down to -tile
  // What the player must learn about (a score or the settings that were not saved): shown at
  // the foot of the next menu page, gone once the player leaves that page.
  std::string Notice;
  std::int32_t NoticePage = -1;  // the page it is shown on; -1 until it is first shown
};

// The menu's record, held for the whole run.
TMenuState& MenuRecord(Application& app);
const TMenuState& MenuRecord(const Application& app);

// Puts a notice up for the next menu page shown (Windows-1252 text, one line).
void ShowMenuNotice(TMenuState& menu, std::string text);
// The menu is left for another screen: a notice already shown has been seen.
void LeaveMenuNotice(TMenuState& menu);

// The frame step: backdrop, page, cursor, flip, then the hover sound.
void MenuStep(Application& app);
// Escape opens the exit confirmation (and closes it again); Backspace edits the name.
void MenuKeyDown(Application& app, std::uint16_t key);
// A typed character, appended to the name on the name page.
void MenuKeyPress(Application& app, std::uint8_t ch);
// The left button went down at MousePos.
void MenuClick(Application& app);

// Plays Move when the pointer has come onto a button since the last frame of the same page.
void MenuHoverSound(Application& app);

// The map the selection points at; nothing when the list is empty or the index is outside it.
const TMapListEntry* SelectedMapEntry(const TMenuState& menu, const TMapList& maps);

// The longest name the name page lets the player type.
inline constexpr std::size_t kMaxPlayerNameLength = 256;

}  // namespace sk
