#include "game/frontend/MenuButtons.h"

#include "game/frontend/SKMenu.h"

namespace sk {

std::span<const TMenuBtn> PageButtons(std::uint8_t page) {
  switch (page) {
    case kMenuPageMain:
      return MainButtons;
    case kMenuPageExit:
      return ExitButtons;
    case kMenuPageName:
      return NameButtons;
    case kMenuPageMaps:
      return MapButtons;
    case kMenuPageScores:
      return ScoreButtons;
    default:
      return {};
  }
}

int ButtonAt(std::span<const TMenuBtn> table, TPoint point) {
  int found = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].Rect().Contains(point.X, point.Y)) found = static_cast<int>(i) + 1;
  }
  return found;
}

TRect ListRowRect(int i) { return TRect{40, 100 + 35 * i, 565, 135 + 35 * i}; }

TRect ScoreCellRect(int row, int column) {
  static constexpr int kLeft[3] = {40, 80, 520};
  static constexpr int kRight[3] = {80, 520, 600};
  const int c = column < 0 ? 0 : column > 2 ? 2 : column;
  return TRect{kLeft[c], 65 + 35 * row, kRight[c], 100 + 35 * row};
}

}  // namespace sk
