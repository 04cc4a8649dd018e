#pragma once
#include <SDL.h>

#include <cstdint>

#include "game/render/Surface.h"
#include "tools/skedit/model/PreviewScene.h"

namespace sk::edit {

// An SDL texture the size of the game's screen, drawn pixel for pixel at whole-number zoom.
class TScreenTexture {
 public:
  explicit TScreenTexture(SDL_Renderer* renderer, Uint32 format);
  ~TScreenTexture();
  TScreenTexture(const TScreenTexture&) = delete;
  TScreenTexture& operator=(const TScreenTexture&) = delete;

  SDL_Texture* Get() const { return texture_; }
  // The game's RGB565 frame as it is.
  void Show(const TSurface& frame);
  // The scenery of `scene` as a see-through tint, for the mask overlay.
  void ShowScenery(const TPreviewScene& scene);

 private:
  SDL_Texture* texture_ = nullptr;
};

}  // namespace sk::edit
