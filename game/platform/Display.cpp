#include "game/platform/Display.h"

namespace sk {

void IDisplay::InitializeDisplay() {
  FinalizeDisplay();
  PlatformInitialize(options_);
  FillSurface(backSurface_, 0);
  initialized_ = true;
  if (OnInitialize) OnInitialize();
  RestoreImages(images_);
}

void IDisplay::FinalizeDisplay() {
  if (!initialized_) return;
  if (OnFinalize) OnFinalize();
  PlatformFinalize();
  initialized_ = false;
}

bool IDisplay::CanDraw() {
  if (!initialized_) return false;
  if (!PlatformLost()) return true;
  if (!PlatformRestore()) return false;
  FillSurface(backSurface_, 0);
  RestoreImages(images_);
  return true;
}

void IDisplay::Flip() {
  if (!CanDraw()) return;
  PlatformPresent(backSurface_, options_.WaitVBlank);
}

}  // namespace sk
