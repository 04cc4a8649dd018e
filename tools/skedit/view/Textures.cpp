#include "tools/skedit/view/Textures.h"

#include <vector>

namespace sk::edit {

TScreenTexture::TScreenTexture(SDL_Renderer* renderer, Uint32 format) {
  texture_ = SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                               kScreenHeight);
  if (!texture_) return;
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  if (format == SDL_PIXELFORMAT_RGBA32) SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
}

TScreenTexture::~TScreenTexture() {
  if (texture_) SDL_DestroyTexture(texture_);
}

void TScreenTexture::Show(const TSurface& frame) {
  if (texture_)
    SDL_UpdateTexture(texture_, nullptr, frame.Pixels.data(), frame.Width * int(sizeof(Uint16)));
}

void TScreenTexture::ShowScenery(const TPreviewScene& scene) {
  if (!texture_) return;
  std::vector<Uint8> rgba(std::size_t(kScreenWidth) * kScreenHeight * 4, 0);
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      if (!scene.SceneryAt(x, y)) continue;
      Uint8* p = &rgba[(std::size_t(y) * kScreenWidth + x) * 4];
      p[0] = 0;
      p[1] = 230;
      p[2] = 255;
      p[3] = 120;
    }
  }
  SDL_UpdateTexture(texture_, nullptr, rgba.data(), kScreenWidth * 4);
}

}  // namespace sk::edit
