#pragma once
#include <cstdint>

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
};

void MenuStep(Application& app);
void MenuKeyDown(Application& app, std::uint16_t key);
void MenuKeyPress(Application& app, std::uint8_t ch);
void MenuClick(Application& app);

}  // namespace sk
