#include "platform/null/NullDisplay.h"

#include <string>

#include "common/Error.h"

namespace sk {

void TNullDisplay::PlatformInitialize(const TDisplayOptions& options) {
  if (options.FullScreen && RefuseFullScreen) throw Error("Display mode cannot be changed (640x480 16bit)");
  FullScreenNow = options.FullScreen;
  lost_ = false;
}

void TNullDisplay::PlatformFinalize() { FullScreenNow = false; }

bool TNullDisplay::PlatformLost() { return lost_; }

bool TNullDisplay::PlatformRestore() {
  if (RestoreFails) return false;
  lost_ = false;
  return true;
}

void TNullDisplay::PlatformPresent(const TSurface& backSurface, bool waitVBlank) {
  if (waitVBlank) ++VBlankWaits;
  LastFrame = backSurface.Pixels;
  ++FlipCount;
}

void TNullDisplay::SaveWindowPlacement() {
  placementSaved_ = true;
  ++PlacementSaves;
}

void TNullDisplay::RestoreWindowPlacement() {
  if (!placementSaved_) return;
  ++PlacementRestores;
}

std::optional<TPoint> TNullDisplay::MapToDrawingArea(int windowX, int windowY) const {
  if (windowX < 0 || windowY < 0 || windowX >= kScreenWidth || windowY >= kScreenHeight)
    return std::nullopt;
  return TPoint{windowX, windowY};
}

std::optional<TPoint> TNullDisplay::CursorPosition() const {
  if (!SystemCursor) return std::nullopt;
  return MapToDrawingArea(SystemCursor->X, SystemCursor->Y);
}

void TNullDisplay::WarpCursor(TPoint point) { SystemCursor = point; }

}  // namespace sk
