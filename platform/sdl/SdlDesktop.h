#pragma once
#include "game/platform/ShellPlatform.h"

struct SDL_Window;

namespace sk {

class TSdlDisplay;

// The main window's other services on SDL, and the error box (always echoed to stderr, so
// a player without a screen still learns why the game ended).
class SdlDesktop : public Desktop {
 public:
  explicit SdlDesktop(TGamePaths paths) : paths_(std::move(paths)) {}

  // The display that owns the main window; set as soon as it exists.
  void SetDisplay(const TSdlDisplay* display) { display_ = display; }

  void ShowMainWindow() override;
  void SetCursorVisible(bool visible) override;
  void ShowErrorBox(const std::string& title, const std::string& message,
                    const std::string& detail) override;
  void ShowWarningBox(const std::string& title, const std::string& message) override;
  TGamePaths Paths() override { return paths_; }
  std::uint32_t TimeOfDayMilliseconds() override;

 private:
  SDL_Window* Window() const;
  void ShowBox(std::uint32_t flags, const std::string& title, const std::string& text);
  TGamePaths paths_;
  const TSdlDisplay* display_ = nullptr;
};

}  // namespace sk
