#pragma once
#include <cstdint>
#include <vector>

struct SDL_Window;

namespace sk {

// The icon's pixels, 8-bit RGBA rows top to bottom; empty when it cannot be decoded.
struct TIconPixels {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Rgba;
};

// The window's icon: the same picture the desktop shows for the installed game, built into
// the program, so no file has to be found at run time.
TIconPixels DecodeWindowIcon();

// Gives the window that icon. A window without one still works, so failures are silent.
void SetWindowIcon(SDL_Window* window);

}  // namespace sk
