#pragma once
#include <optional>

#include "game/platform/Display.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace sk {

inline constexpr const char* kWindowTitle = "Codename: Skarveth";

// The game's window on SDL2. The window can be resized and maximised; full screen is
// borderless desktop full screen. Either way the 640 x 480 picture is scaled to fit at 4:3 with
// black bars left and right (or above and below), and the mouse is mapped through the same
// transform. A new window is as large as the desktop comfortably holds (see ChooseWindowSize).
class TSdlDisplay : public IDisplay {
 public:
  TSdlDisplay(TSurface& backSurface, TImageList& images);
  ~TSdlDisplay() override;

  // The window, made by the first InitializeDisplay (null before); kept until destruction
  // so switching full screen does not make a new window.
  SDL_Window* Window() const { return window_; }

  void SaveWindowPlacement() override;
  void RestoreWindowPlacement() override;
  std::optional<TPoint> MapToDrawingArea(int windowX, int windowY) const override;
  std::optional<TPoint> CursorPosition() const override;
  void WarpCursor(TPoint point) override;
  std::optional<TWindowSize> ResizedWindow() const override;
  bool WindowMaximized() const override;

 protected:
  void PlatformInitialize(const TDisplayOptions& options) override;
  void PlatformFinalize() override;
  bool PlatformLost() override;
  bool PlatformRestore() override;
  void PlatformPresent(const TSurface& backSurface, bool waitVBlank) override;

 private:
  struct TPlacement {
    int X = 0;
    int Y = 0;
    bool Saved = false;
  };
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool vsyncRenderer_ = false;
  bool fullScreen_ = false;
  bool deviceLost_ = false;
  bool ownsVideo_ = false;
  TPlacement placement_;
  TWindowSize firstSize_;   // the window's size when it was made
  TWindowSize normalSize_;  // its last size in window mode, neither maximised nor full screen
  bool maximizedBeforeFullScreen_ = false;
  bool closing_ = false;     // the player or the session closed the game
  bool undersized_ = false;  // made smaller than the minimum by someone other than the desktop

  // Follows the device resets and the sizes the player gives the window.
  static int WatchEvents(void* display, SDL_Event* event);
  void MakeWindow(const TDisplayOptions& options);
  bool MaximizedNow() const;
  void MakeRenderer(bool waitVBlank);
  void DropRenderer();
  // Where the 640 x 480 picture lies in the window's coordinates.
  TRect Viewport() const;
};

}  // namespace sk
