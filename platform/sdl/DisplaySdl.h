#pragma once
#include <optional>

#include "game/render/Display.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace sk {

inline constexpr const char* kWindowTitle = "Codename: Skarveth";

// The game's window on SDL2: 640 x 480, fixed size. In a window the picture is shown
// unscaled; full screen is borderless desktop full screen with the picture scaled to the
// screen height at 4:3 and bars left and right (or above and below).
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

  void MakeWindow();
  void MakeRenderer(bool waitVBlank);
  void DropRenderer();
  // Where the 640 x 480 picture lies in the window's coordinates.
  struct TViewport {
    int X, Y, W, H;
  };
  TViewport Viewport() const;
};

}  // namespace sk
