#include "platform/sdl/SdlDesktop.h"

#include <SDL.h>

#include <cstdio>

#include "common/Cp1252.h"
#include "common/Printable.h"
#include "game/play/Random.h"
#include "platform/sdl/DisplaySdl.h"
#include "platform/sdl/StartChecks.h"

namespace sk {

SDL_Window* SdlDesktop::Window() const { return display_ ? display_->Window() : nullptr; }

void SdlDesktop::ShowMainWindow() {
  if (SDL_Window* window = Window()) {
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
  }
}

void SdlDesktop::SetCursorVisible(bool visible) {
  // SDL hides the pointer only while it is over our window, which is what the game needs.
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlDesktop::ShowErrorBox(const std::string& title, const std::string& message,
                              const std::string& detail) {
  // Messages may quote files (a demo, a map's path): control bytes are shown, never sent.
  const std::string text = PrintableText(Cp1252ToUtf8(message), true);
  if (detail.empty()) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  } else {
    std::fprintf(stderr, "%s: %s (%s)\n", title.c_str(), text.c_str(),
                 PrintableText(detail).c_str());
  }
  std::fflush(stderr);
  ShowBox(SDL_MESSAGEBOX_ERROR, title, text);
}

void SdlDesktop::ShowWarningBox(const std::string& title, const std::string& message) {
  ShowBox(SDL_MESSAGEBOX_WARNING, title, PrintableText(Cp1252ToUtf8(message), true));
}

void SdlDesktop::ShowBox(std::uint32_t flags, const std::string& title, const std::string& text) {
  // A box is shown only on the way out; while it waits for its OK, Ctrl+C or a kill must
  // still end the game.
  EndOnSignalsFromNowOn();
  SDL_ShowCursor(SDL_ENABLE);
  SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), Window());
}

std::uint32_t SdlDesktop::TimeOfDayMilliseconds() { return MillisecondsSinceUtcMidnight(); }

}  // namespace sk
