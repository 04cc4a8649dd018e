#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/frontend/MenuButtons.h"
#include "game/frontend/SKMenu.h"
#include "support/Harness.h"

namespace sk::test {

// The program started on the menu (intro skipped), every page drawing its text in the
// shipped font.
class MenuHarness : public Harness {
 public:
  MenuHarness();

  TMenuState& Menu() { return MenuRecord(*app); }
  std::string& Name() { return app->Settings.PlayerName; }

  // The centre of button `number` (1-based) of a table.
  void ClickButton(std::span<const TMenuBtn> table, int number);
  void HoverButton(std::span<const TMenuBtn> table, int number);

  // A list of `count` maps named "Map 0", "Map 1", ... in files m0.map, m1.map, ...
  void SetMaps(int count);
  // Shows a page directly, as after a frame of it.
  void ShowPage(std::uint8_t page);

  // The effects played since the last call, by name: "Move", "Next", "Back", "Disabled",
  // or the number of any other effect.
  std::vector<std::string> TakeSounds();

  // The last presented frame's pixel.
  std::uint16_t Pixel(int x, int y) const { return display->FramePixel(x, y); }
};

// Pixels of a frame region that are `pixel`, and those that differ from it.
int CountPixel(const MenuHarness& h, const TRect& r, std::uint16_t pixel);
int CountOther(const MenuHarness& h, const TRect& r, std::uint16_t pixel);

}  // namespace sk::test
