#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/frontend/MenuButtons.h"
#include "game/frontend/SKMenu.h"
#include "game/shell/Application.h"
#include "shell/ShellHarness.h"

namespace sk::test {

// The program started on the menu (intro skipped) over the null back-ends, with the real font
// so that every page draws its text, and the input a player would give.
class MenuHarness {
 public:
  MenuHarness();

  Application& App() { return *shell.app; }
  TMenuState& Menu() { return MenuRecord(*shell.app); }
  std::string& Name() { return shell.app->Settings.PlayerName; }

  // One frame tick of the shown screen.
  void Frame();
  void MoveTo(int x, int y);
  // Moves there and presses the left button.
  void ClickAt(int x, int y);
  // The centre of button `number` (1-based) of a table.
  void ClickButton(std::span<const TMenuBtn> table, int number);
  void HoverButton(std::span<const TMenuBtn> table, int number);
  void Key(std::uint16_t key);
  void Type(std::uint8_t ch);

  // A list of `count` maps named "Map 0", "Map 1", ... in files m0.map, m1.map, ...
  void SetMaps(int count);
  // Shows a page directly, as after a frame of it.
  void ShowPage(std::uint8_t page);

  // The effects played since the last call, by name: "Move", "Next", "Back", "Disabled",
  // or the number of any other effect.
  std::vector<std::string> TakeSounds();

  // The last presented frame's pixel.
  std::uint16_t Pixel(int x, int y) const { return shell.display->FramePixel(x, y); }

  ShellHarness shell{"[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n"};

 private:
  std::size_t logMark_ = 0;
};

// Pixels of a frame region that are `pixel`, and those that differ from it.
int CountPixel(const MenuHarness& h, const TRect& r, std::uint16_t pixel);
int CountOther(const MenuHarness& h, const TRect& r, std::uint16_t pixel);

}  // namespace sk::test
