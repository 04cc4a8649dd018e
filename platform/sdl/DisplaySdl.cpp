#include "platform/sdl/DisplaySdl.h"

#include <SDL.h>

#include <cmath>
#include <cstring>

#include "common/Error.h"
#include "platform/sdl/WindowIcon.h"

namespace sk {
namespace {

// The platform may drop the renderer's device (driver reset, GPU switch); note it so the next
// CanDraw rebuilds the renderer before anything is presented again.
int WatchDeviceReset(void* userdata, SDL_Event* event) {
  if (event->type == SDL_RENDER_DEVICE_RESET) *static_cast<bool*>(userdata) = true;
  return 0;
}

// True when the "accelerated" renderer is OpenGL drawn by the processor (a machine without a
// graphics driver, a virtual display). Such a stack burns several times the CPU of SDL's own
// software renderer for the same picture, so the game then draws with the latter.
bool IsSoftwareRasterizer(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strstr(info.name, "opengl") == nullptr)
    return false;
  using GetString = const unsigned char* (*)(unsigned);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString) return false;
  constexpr unsigned kGlRenderer = 0x1F01;
  const auto* name = reinterpret_cast<const char*>(getString(kGlRenderer));
  if (!name) return false;
  for (const char* soft : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
    if (std::strstr(name, soft)) return true;
  return false;
}

SDL_Renderer* CreateSoftwareRenderer(SDL_Window* window, Uint32 vsync) {
  // Present straight to the window, not through another OpenGL texture.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | vsync);
}

}  // namespace

TSdlDisplay::TSdlDisplay(TSurface& backSurface, TImageList& images)
    : IDisplay(backSurface, images) {
  SDL_AddEventWatch(WatchDeviceReset, &deviceLost_);
}

TSdlDisplay::~TSdlDisplay() {
  SDL_DelEventWatch(WatchDeviceReset, &deviceLost_);
  DropRenderer();
  if (window_) SDL_DestroyWindow(window_);
  if (ownsVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void TSdlDisplay::MakeWindow() {
  if (window_) return;
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Error("Primary Surface cannot be made");
    ownsVideo_ = true;
  }
  window_ = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kScreenWidth, kScreenHeight, SDL_WINDOW_SHOWN);
  if (!window_) throw Error("Primary Surface cannot be made");
  SetWindowIcon(window_);
}

void TSdlDisplay::MakeRenderer(bool waitVBlank) {
  const Uint32 vsync = waitVBlank ? SDL_RENDERER_PRESENTVSYNC : 0;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | vsync);
  if (renderer_ && IsSoftwareRasterizer(renderer_)) {
    SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
  }
  if (!renderer_) renderer_ = CreateSoftwareRenderer(window_, vsync);
  if (!renderer_) throw Error("Primary Surface cannot be made");
  vsyncRenderer_ = waitVBlank;
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kScreenWidth, kScreenHeight);
  if (!texture_) {
    DropRenderer();
    throw Error("Surface cannot be made");
  }
  // Nearest-pixel scaling keeps the full-screen picture as sharp as the window's.
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
}

void TSdlDisplay::DropRenderer() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  texture_ = nullptr;
  renderer_ = nullptr;
}

void TSdlDisplay::PlatformInitialize(const TDisplayOptions& options) {
  MakeWindow();
  if (options.FullScreen) {
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
      throw Error("Display mode cannot be changed (640x480 16bit)");
  } else {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowSize(window_, kScreenWidth, kScreenHeight);
  }
  fullScreen_ = options.FullScreen;
  try {
    MakeRenderer(options.WaitVBlank);
  } catch (...) {
    if (fullScreen_) SDL_SetWindowFullscreen(window_, 0);
    fullScreen_ = false;
    throw;
  }
  deviceLost_ = false;
}

void TSdlDisplay::PlatformFinalize() {
  DropRenderer();
  if (fullScreen_) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowSize(window_, kScreenWidth, kScreenHeight);
  }
  fullScreen_ = false;
}

bool TSdlDisplay::PlatformLost() { return deviceLost_ || !renderer_; }

bool TSdlDisplay::PlatformRestore() {
  DropRenderer();
  try {
    MakeRenderer(DisplayOptions().WaitVBlank);
  } catch (const Error&) {
    return false;
  }
  deviceLost_ = false;
  return true;
}

void TSdlDisplay::PlatformPresent(const TSurface& backSurface, bool waitVBlank) {
  if (waitVBlank != vsyncRenderer_ && SDL_RenderSetVSync(renderer_, waitVBlank ? 1 : 0) == 0)
    vsyncRenderer_ = waitVBlank;
  SDL_UpdateTexture(texture_, nullptr, backSurface.Pixels.data(),
                    backSurface.Width * static_cast<int>(sizeof(std::uint16_t)));
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const TViewport v = Viewport();
  const SDL_Rect dst{v.X, v.Y, v.W, v.H};
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
}

TSdlDisplay::TViewport TSdlDisplay::Viewport() const {
  if (!fullScreen_ || !window_) return TViewport{0, 0, kScreenWidth, kScreenHeight};
  int outW = 0, outH = 0;
  SDL_GetWindowSize(window_, &outW, &outH);
  if (outW <= 0 || outH <= 0) return TViewport{0, 0, kScreenWidth, kScreenHeight};
  // Fill the screen's height at 4:3; a screen narrower than 4:3 fills its width instead.
  int w = static_cast<int>(std::lround(outH * 4.0 / 3.0));
  int h = outH;
  if (w > outW) {
    w = outW;
    h = static_cast<int>(std::lround(outW * 3.0 / 4.0));
  }
  return TViewport{(outW - w) / 2, (outH - h) / 2, w, h};
}

std::optional<TPoint> TSdlDisplay::MapToDrawingArea(int windowX, int windowY) const {
  const TViewport v = Viewport();
  const long long rx = static_cast<long long>(windowX) - v.X;
  const long long ry = static_cast<long long>(windowY) - v.Y;
  if (rx < 0 || ry < 0 || rx >= v.W || ry >= v.H) return std::nullopt;
  return TPoint{static_cast<int>(rx * kScreenWidth / v.W),
                static_cast<int>(ry * kScreenHeight / v.H)};
}

std::optional<TPoint> TSdlDisplay::CursorPosition() const {
  if (!window_ || SDL_GetMouseFocus() != window_) return std::nullopt;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  return MapToDrawingArea(x, y);
}

void TSdlDisplay::WarpCursor(TPoint point) {
  if (!window_) return;
  const TViewport v = Viewport();
  // Aim at the middle of the screen pixels that show this drawing-area pixel.
  const int wx = v.X + static_cast<int>((2LL * point.X + 1) * v.W / (2 * kScreenWidth));
  const int wy = v.Y + static_cast<int>((2LL * point.Y + 1) * v.H / (2 * kScreenHeight));
  SDL_WarpMouseInWindow(window_, wx, wy);
}

void TSdlDisplay::SaveWindowPlacement() {
  if (!window_) return;
  SDL_GetWindowPosition(window_, &placement_.X, &placement_.Y);
  placement_.Saved = true;
}

void TSdlDisplay::RestoreWindowPlacement() {
  if (!window_ || !placement_.Saved) return;
  SDL_SetWindowPosition(window_, placement_.X, placement_.Y);
}

}  // namespace sk
