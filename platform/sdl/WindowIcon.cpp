#include "platform/sdl/WindowIcon.h"

#include <SDL.h>
#include <png.h>

#include <cstddef>

namespace sk {

// Made by the build from the asset generator's icon (see platform/sdl/CMakeLists.txt).
extern const unsigned char kWindowIconPng[];
extern const std::size_t kWindowIconPngSize;

namespace {
// Far above the icon we ship; only a damaged embedding could claim more.
constexpr png_uint_32 kMaxIconSide = 1024;
}  // namespace

TIconPixels DecodeWindowIcon() {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, kWindowIconPng, kWindowIconPngSize)) return {};
  if (image.width == 0 || image.height == 0 || image.width > kMaxIconSide ||
      image.height > kMaxIconSide) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGBA;
  TIconPixels icon;
  icon.Rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, icon.Rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  icon.Width = static_cast<int>(image.width);
  icon.Height = static_cast<int>(image.height);
  return icon;
}

void SetWindowIcon(SDL_Window* window) {
  TIconPixels icon = DecodeWindowIcon();
  if (!window || icon.Rgba.empty()) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      icon.Rgba.data(), icon.Width, icon.Height, 32, icon.Width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);  // the window keeps its own copy
  SDL_FreeSurface(surface);
}

}  // namespace sk
