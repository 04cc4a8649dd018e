#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "game/platform/Display.h"

namespace sk {

// A display without a screen: it keeps the last presented frame in memory, counts what it was
// asked to do, and lets a test lose its surfaces or refuse full screen.
class TNullDisplay : public IDisplay {
 public:
  TNullDisplay(TSurface& backSurface, TImageList& images) : IDisplay(backSurface, images) {}

  // The last frame Flip presented (empty before the first).
  std::vector<std::uint16_t> LastFrame;
  int FlipCount = 0;
  int VBlankWaits = 0;
  bool FullScreenNow = false;

  // Test controls.
  bool RefuseFullScreen = false;             // InitializeDisplay in full screen then fails
  bool RestoreFails = false;                 // a lost display cannot come back yet
  std::optional<TPoint> SystemCursor;        // pointer position in the window, if over it
  std::optional<TWindowSize> PlayerResized;  // the window size the player chose, if any
  std::optional<bool> PlayerMaximized;       // the player (un)maximised the window
  void LoseSurfaces() { lost_ = true; }

  std::uint16_t FramePixel(int x, int y) const {
    return LastFrame[static_cast<std::size_t>(y) * kScreenWidth + x];
  }

  void SaveWindowPlacement() override;
  void RestoreWindowPlacement() override;
  std::optional<TPoint> MapToDrawingArea(int windowX, int windowY) const override;
  std::optional<TPoint> CursorPosition() const override;
  void WarpCursor(TPoint point) override;
  std::optional<TWindowSize> ResizedWindow() const override { return PlayerResized; }
  bool WindowMaximized() const override {
    return PlayerMaximized ? *PlayerMaximized : IDisplay::WindowMaximized();
  }

  int PlacementSaves = 0;
  int PlacementRestores = 0;

 protected:
  void PlatformInitialize(const TDisplayOptions& options) override;
  void PlatformFinalize() override;
  bool PlatformLost() override;
  bool PlatformRestore() override;
  void PlatformPresent(const TSurface& backSurface, bool waitVBlank) override;

 private:
  bool lost_ = false;
  bool placementSaved_ = false;
};

}  // namespace sk
