#pragma once
#include <functional>
#include <optional>

#include "game/render/Geometry.h"
#include "game/render/ImageList.h"
#include "game/render/Surface.h"
#include "game/render/WindowFit.h"

namespace sk {

struct TDisplayOptions {
  bool FullScreen = false;
  bool WaitVBlank = true;
  // The window's size when it is first made; 0 x 0 (or a size that does not fit the desktop)
  // lets the display choose.
  TWindowSize Window;
  bool Maximized = false;  // the window is first made maximised
  friend bool operator==(const TDisplayOptions&, const TDisplayOptions&) = default;
};

inline constexpr const char* kDisplayModeError = "Display mode cannot be changed (%dx%d %dbit)";

// The display: presents the 640 x 480 back surface in a window or full screen. The shared
// rules live here (a black back surface after every init and restore, the images rebuilt, the
// initialize/finalize events); a back-end supplies the platform hooks.
class IDisplay {
 public:
  IDisplay(TSurface& backSurface, TImageList& images)
      : backSurface_(backSurface), images_(images) {}
  virtual ~IDisplay() = default;
  IDisplay(const IDisplay&) = delete;
  IDisplay& operator=(const IDisplay&) = delete;

  // Raised after a successful InitializeDisplay (before the images are rebuilt) and at the
  // start of FinalizeDisplay.
  std::function<void()> OnInitialize;
  std::function<void()> OnFinalize;

  // Finalizes first when initialized; throws sk::Error("Display mode cannot be changed
  // (640x480 16bit)") when full screen cannot be entered, leaving the display finalized.
  void InitializeDisplay();
  // Does nothing when not initialized.
  void FinalizeDisplay();
  // True when frames can be drawn; first rebuilds what the platform lost (black surface,
  // images restored).
  bool CanDraw();
  // Presents the back surface (after the vertical blank when WaitVBlank is on); nothing
  // unless CanDraw.
  void Flip();

  bool Initialized() const { return initialized_; }
  const TDisplayOptions& DisplayOptions() const { return options_; }
  // A change of FullScreen takes effect at the next InitializeDisplay.
  void SetDisplayOptions(const TDisplayOptions& options) { options_ = options; }

  // Window placement around full screen; restore does nothing when nothing was saved.
  virtual void SaveWindowPlacement() = 0;
  virtual void RestoreWindowPlacement() = 0;

  // A position in the window's coordinates as a point of the 640 x 480 drawing area;
  // nothing when it lies outside it (for example in the letterbox bars of full screen).
  virtual std::optional<TPoint> MapToDrawingArea(int windowX, int windowY) const = 0;
  // Where the system pointer is now, in drawing-area coordinates; nothing when it is
  // outside the drawing area or the window.
  virtual std::optional<TPoint> CursorPosition() const = 0;
  // Moves the system pointer to a point of the drawing area.
  virtual void WarpCursor(TPoint point) = 0;
  // The window's size in window mode when the player has made it differ from the size it was
  // first shown at (by resizing or maximising it); nothing otherwise.
  virtual std::optional<TWindowSize> ResizedWindow() const { return std::nullopt; }
  // Whether the window is maximised (in full screen: whether it was before).
  virtual bool WindowMaximized() const { return DisplayOptions().Maximized; }

  // Whether the screens draw their cursor: the system pointer is over the drawing area. A
  // demo being played sets the answer from the recording instead.
  std::optional<bool> PointerOverride;
  bool PointerOverDrawingArea() const {
    return PointerOverride ? *PointerOverride : CursorPosition().has_value();
  }

  TSurface& BackSurface() { return backSurface_; }

 protected:
  // Makes the window/screen ready for the current options; throws on failure.
  virtual void PlatformInitialize(const TDisplayOptions& options) = 0;
  virtual void PlatformFinalize() = 0;
  // True when the platform took the presentation resources away since the last check.
  virtual bool PlatformLost() = 0;
  // Rebuilds lost resources; false when that cannot be done yet.
  virtual bool PlatformRestore() = 0;
  virtual void PlatformPresent(const TSurface& backSurface, bool waitVBlank) = 0;

 private:
  TSurface& backSurface_;
  TImageList& images_;
  TDisplayOptions options_;
  bool initialized_ = false;
};

}  // namespace sk
