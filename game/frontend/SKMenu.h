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
  std::int32_t SelectedMap = 0;
};

void MenuStep(Application& app);
void MenuKeyDown(Application& app, std::uint16_t key);
void MenuKeyPress(Application& app, std::uint8_t ch);
void MenuClick(Application& app);

}  // namespace sk
