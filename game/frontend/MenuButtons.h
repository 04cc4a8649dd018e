#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "game/render/Geometry.h"

namespace sk {

// One button of a menu page: its rectangle on the 640 x 480 screen (right and bottom edges
// outside) and its caption.
struct TMenuBtn {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  std::string_view Caption;
  constexpr TRect Rect() const { return TRect{Left, Top, Right, Bottom}; }
};

// The buttons of each page, numbered from 1 in table order.
inline constexpr std::array<TMenuBtn, 3> MainButtons = {{
    {220, 200, 420, 235, "Play Skarveth"},
    {220, 260, 420, 295, "Credits"},
    {220, 320, 420, 355, "Exit"},
}};
inline constexpr std::array<TMenuBtn, 2> ExitButtons = {{
    {220, 200, 420, 235, "Yes"},
    {220, 260, 420, 295, "No"},
}};
inline constexpr std::array<TMenuBtn, 2> NameButtons = {{
    {40, 400, 200, 435, "< Back"},
    {440, 400, 600, 435, "Next >"},
}};
inline constexpr std::array<TMenuBtn, 5> MapButtons = {{
    {40, 400, 200, 435, "< Back"},
    {240, 400, 400, 435, "Scores"},
    {440, 400, 600, 435, "Fight! >"},
    {565, 100, 600, 135, ">"},  // shows earlier maps
    {565, 345, 600, 380, "<"},  // shows later maps
}};
inline constexpr std::array<TMenuBtn, 1> ScoreButtons = {{
    {40, 400, 200, 435, "< Back"},
}};

// Map selection: the list shows this many rows at a time.
inline constexpr std::int32_t kVisibleMapRows = 8;

// The buttons of a page; none for a page number that names no page.
std::span<const TMenuBtn> PageButtons(std::uint8_t page);

// The 1-based number of the last button whose rectangle holds `point`, or 0.
int ButtonAt(std::span<const TMenuBtn> table, TPoint point);

// Row i (0..7) of the map list.
TRect ListRowRect(int i);
// A cell of the high-score table: row 1..8; column 0 rank, 1 name, 2 score.
TRect ScoreCellRect(int row, int column);

}  // namespace sk
