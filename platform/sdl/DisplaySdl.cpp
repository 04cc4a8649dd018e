#include "platform/sdl/DisplaySdl.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "common/Error.h"
#include "platform/sdl/WindowIcon.h"

namespace sk {
namespace {

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

// The part of the first screen that windows may take (without the desktop's panels).
TWindowSize UsableDesktop() {
  SDL_Rect area{};
  if (SDL_GetDisplayUsableBounds(0, &area) == 0 && area.w > 0 && area.h > 0)
    return TWindowSize{area.w, area.h};
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0)
    return TWindowSize{mode.w, mode.h};
  return TWindowSize{kScreenWidth, kScreenHeight};
}

}  // namespace

TSdlDisplay::TSdlDisplay(TSurface& backSurface, TImageList& images)
    : IDisplay(backSurface, images) {
  SDL_AddEventWatch(WatchEvents, this);
}

TSdlDisplay::~TSdlDisplay() {
  SDL_DelEventWatch(WatchEvents, this);
  DropRenderer();
  if (window_) SDL_DestroyWindow(window_);
  if (ownsVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int TSdlDisplay::WatchEvents(void* display, SDL_Event* event) {
  auto& self = *static_cast<TSdlDisplay*>(display);
  // The platform may drop the renderer's device (driver reset, GPU switch); note it so the next
  // CanDraw rebuilds the renderer before anything is presented again.
  if (event->type == SDL_RENDER_DEVICE_RESET) self.deviceLost_ = true;
  // The game closes on these without fail (a signal becomes SDL_QUIT too).
  if (event->type == SDL_QUIT ||
      (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_CLOSE))
    self.closing_ = true;
  // The size to keep for the next start is the one the player gave the window itself; a
  // maximised or full-screen window keeps the size it will return to.
  constexpr Uint32 kNotNormal = SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED &&
      self.window_ && event->window.windowID == SDL_GetWindowID(self.window_) &&
      !self.fullScreen_ && (SDL_GetWindowFlags(self.window_) & kNotNormal) == 0) {
    const TWindowSize size{event->window.data1, event->window.data2};
    // Not every desktop holds a resize that another program asks for to the window's minimum;
    // the game holds it itself at the next frame (not inside SDL's event pump).
    self.undersized_ = size.Width < kMinWindowSize.Width || size.Height < kMinWindowSize.Height;
    if (!self.undersized_) self.normalSize_ = size;
  }
  return 0;
}

void TSdlDisplay::MakeWindow(const TDisplayOptions& options) {
  if (window_) return;
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Error("Primary Surface cannot be made");
    ownsVideo_ = true;
  }
  firstSize_ = ChooseWindowSize(options.Window, UsableDesktop());
  normalSize_ = firstSize_;
  // Hidden until the game shows it, in its mode: the renderer may still make the window anew,
  // and a full-screen start must not flash a framed window first.
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
  if (options.Maximized) flags |= SDL_WINDOW_MAXIMIZED;
  if (options.FullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             firstSize_.Width, firstSize_.Height, flags);
  if (!window_) throw Error("Primary Surface cannot be made");
  SetWindowIcon(window_);
  SDL_SetWindowMinimumSize(window_, kMinWindowSize.Width, kMinWindowSize.Height);
  maximizedBeforeFullScreen_ = options.Maximized;
}

bool TSdlDisplay::MaximizedNow() const {
  return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0;
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
  MakeWindow(options);
  if (options.FullScreen) {
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
      throw Error("Display mode cannot be changed (640x480 16bit)");
  } else {
    SDL_SetWindowFullscreen(window_, 0);
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
  // Giving the window back takes the desktop several round trips that SDL waits for; a game
  // that is closing ends at once instead of first restoring a window that is about to go.
  if (fullScreen_ && !closing_) {
    // Back to the window the player had before full screen.
    SDL_SetWindowFullscreen(window_, 0);
    if (maximizedBeforeFullScreen_) {
      SDL_MaximizeWindow(window_);
    } else {
      SDL_SetWindowSize(window_, normalSize_.Width, normalSize_.Height);
    }
  } else if (!fullScreen_) {
    maximizedBeforeFullScreen_ = MaximizedNow();
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
  if (undersized_) {
    undersized_ = false;
    TWindowSize size;
    SDL_GetWindowSize(window_, &size.Width, &size.Height);
    SDL_SetWindowSize(window_, std::max(size.Width, kMinWindowSize.Width),
                      std::max(size.Height, kMinWindowSize.Height));
  }
  if (waitVBlank != vsyncRenderer_ && SDL_RenderSetVSync(renderer_, waitVBlank ? 1 : 0) == 0)
    vsyncRenderer_ = waitVBlank;
  SDL_UpdateTexture(texture_, nullptr, backSurface.Pixels.data(),
                    backSurface.Width * static_cast<int>(sizeof(std::uint16_t)));
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const TRect v = Viewport();
  const SDL_Rect dst{v.Left, v.Top, v.Width(), v.Height()};
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
}

TRect TSdlDisplay::Viewport() const {
  TWindowSize size;  // no window yet: the picture unscaled
  if (window_) SDL_GetWindowSize(window_, &size.Width, &size.Height);
  return PictureArea(size);
}

std::optional<TPoint> TSdlDisplay::MapToDrawingArea(int windowX, int windowY) const {
  return AreaToPicture(Viewport(), windowX, windowY);
}

std::optional<TPoint> TSdlDisplay::CursorPosition() const {
  if (!window_ || SDL_GetMouseFocus() != window_) return std::nullopt;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  return MapToDrawingArea(x, y);
}

void TSdlDisplay::WarpCursor(TPoint point) {
  if (!window_) return;
  // Aim at the middle of the screen pixels that show this drawing-area pixel.
  const TPoint at = PictureToArea(Viewport(), point);
  SDL_WarpMouseInWindow(window_, at.X, at.Y);
}

std::optional<TWindowSize> TSdlDisplay::ResizedWindow() const {
  if (!window_ || normalSize_ == firstSize_) return std::nullopt;
  return normalSize_;
}

bool TSdlDisplay::WindowMaximized() const {
  return fullScreen_ ? maximizedBeforeFullScreen_ : MaximizedNow();
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
