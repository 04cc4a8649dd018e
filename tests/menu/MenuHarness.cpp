#include "MenuHarness.h"

#include <algorithm>

namespace sk::test {

MenuHarness::MenuHarness() : Harness("[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\n") {
  Start();
  TakeSounds();
}

void MenuHarness::ClickButton(std::span<const TMenuBtn> table, int number) {
  const TRect r = table[static_cast<std::size_t>(number - 1)].Rect();
  ClickAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void MenuHarness::HoverButton(std::span<const TMenuBtn> table, int number) {
  const TRect r = table[static_cast<std::size_t>(number - 1)].Rect();
  MoveTo((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void MenuHarness::SetMaps(int count) {
  app->MapList.clear();
  for (int i = 0; i < count; ++i) {
    app->MapList.push_back({"Map " + std::to_string(i), "m" + std::to_string(i) + ".map",
                            app->Paths.PlayerMapFolder()});
  }
}

void MenuHarness::ShowPage(std::uint8_t page) {
  Menu().MenuPage = page;
  Menu().HoverPage = page;
}

std::vector<std::string> MenuHarness::TakeSounds() {
  static const char* kNames[] = {"Move", "Next", "Back", "Disabled"};
  std::vector<std::string> sounds;
  for (const std::string& line : TakeLog({"PlaySample "})) {
    const int slot = std::stoi(line.substr(line.rfind(' ') + 1));
    sounds.push_back(slot >= 0 && slot < 4 ? kNames[slot] : std::to_string(slot));
  }
  return sounds;
}

int CountPixel(const MenuHarness& h, const TRect& r, std::uint16_t pixel) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) n += h.Pixel(x, y) == pixel;
  }
  return n;
}

int CountOther(const MenuHarness& h, const TRect& r, std::uint16_t pixel) {
  // An empty region (its far side before its near one) has no pixels at all.
  return std::max(0, r.Width()) * std::max(0, r.Height()) - CountPixel(h, r, pixel);
}

}  // namespace sk::test
