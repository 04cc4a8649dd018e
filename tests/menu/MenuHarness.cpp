#include "MenuHarness.h"

#include <algorithm>

#include "game/shell/SKMain.h"
#include "render/RenderTestSupport.h"

namespace sk::test {

MenuHarness::MenuHarness() {
  // Whatever font the shell's harness is given, the menu's pages need the shipped one.
  ShellServices services = shell.app->Platform;
  services.fontPath = FontPath();
  shell.app = std::make_unique<Application>(std::move(services));
  shell.Start();
  logMark_ = shell.log.lines.size();
}

void MenuHarness::Frame() { DXTimerTimer(App(), 0); }

void MenuHarness::MoveTo(int x, int y) { DispatchEvent(App(), ShellHarness::Move(x, y)); }

void MenuHarness::ClickAt(int x, int y) {
  MoveTo(x, y);
  DispatchEvent(App(), ShellHarness::Click(TMouseButton::Left, x, y));
}

void MenuHarness::ClickButton(std::span<const TMenuBtn> table, int number) {
  const TRect r = table[static_cast<std::size_t>(number - 1)].Rect();
  ClickAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void MenuHarness::HoverButton(std::span<const TMenuBtn> table, int number) {
  const TRect r = table[static_cast<std::size_t>(number - 1)].Rect();
  MoveTo((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void MenuHarness::Key(std::uint16_t key) { DispatchEvent(App(), ShellHarness::Key(key)); }

void MenuHarness::Type(std::uint8_t ch) { DispatchEvent(App(), ShellHarness::Char(ch)); }

void MenuHarness::SetMaps(int count) {
  App().MapList.clear();
  for (int i = 0; i < count; ++i) {
    App().MapList.push_back({"Map " + std::to_string(i), "m" + std::to_string(i) + ".map",
                             App().Paths.PlayerMapFolder()});
  }
}

void MenuHarness::ShowPage(std::uint8_t page) {
  Menu().MenuPage = page;
  Menu().HoverPage = page;
}

std::vector<std::string> MenuHarness::TakeSounds() {
  static const char* kNames[] = {"Move", "Next", "Back", "Disabled"};
  std::vector<std::string> sounds;
  const auto& lines = shell.log.lines;
  for (std::size_t i = logMark_; i < lines.size(); ++i) {
    if (lines[i].rfind("PlaySample ", 0) != 0) continue;
    const int slot = std::stoi(lines[i].substr(lines[i].rfind(' ') + 1));
    sounds.push_back(slot >= 0 && slot < 4 ? kNames[slot] : std::to_string(slot));
  }
  logMark_ = lines.size();
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
