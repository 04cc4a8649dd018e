#include "game/shell/SKMain.h"

#include <exception>

#include "common/Error.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"

namespace sk {
namespace {

bool RoutedState(const Application& app) {
  return app.ScreenState >= kScreenGame && app.ScreenState <= kScreenCredits;
}

TScreenHandlers& CurrentScreen(Application& app) { return app.Screens[app.ScreenState - 1]; }

void MouseDownInArea(Application& app, TMouseButton button) {
  if (button != TMouseButton::Left || !RoutedState(app)) return;
  if (auto& handler = CurrentScreen(app).Click) handler(app);
}

// Everything the platform hands over may end in an error; none may escape the loop.
template <typename F>
void Guarded(Application& app, F&& action) {
  try {
    action();
  } catch (const Error& e) {
    AppException(app, e.what(), e.Detail());
  } catch (const std::exception& e) {
    AppException(app, e.what());
  }
}

}  // namespace

void FormCreate(Application& app) {
  Guarded(app, [&] { InitAll(app); });
}

void FormClose(Application& app) {
  CloseAll(app);
  app.Terminated = true;
}

void CloseMainWindow(Application& app) {
  if (!app.Terminated) FormClose(app);
}

void FormKeyDown(Application& app, std::uint16_t key, std::uint8_t modifiers) {
  const std::uint8_t held = modifiers & (kShift | kCtrl | kAlt);
  if ((held & kAlt) != 0 && key == kVkReturn) ToggleFullScreen(app);
  if (held != 0 || !RoutedState(app)) return;
  if (auto& handler = CurrentScreen(app).KeyDown) handler(app, key);
}

void FormKeyPress(Application& app, std::uint8_t ch) {
  if (app.ScreenState != kScreenMenu) return;
  if (auto& handler = CurrentScreen(app).KeyPress) handler(app, ch);
}

void DXDrawInitialize(Application& app) {
  MoveCursor(app, TPoint{0, 0});
  EnableTimer(app.DXTimer, app.Now());
}

void DXDrawFinalize(Application& app) { DisableTimer(app.DXTimer); }

void DXTimerActivate(Application& app) {
  app.Platform.desktop.SetCursorVisible(false);
  ActivateTimer(app.DXTimer, app.Now());
}

void DXTimerDeactivate(Application& app) {
  app.Platform.desktop.SetCursorVisible(true);
  DeactivateTimer(app.DXTimer);
}

void DXTimerTimer(Application& app, std::uint32_t) {
  // The lag is ignored on purpose: one tick is one step of the shown screen.
  Guarded(app, [&] {
    const bool step = app.Demo == nullptr || app.Demo->BeforeTick(app);
    if (step && !app.Terminated && RoutedState(app)) {
      if (auto& handler = CurrentScreen(app).Step) handler(app);
    }
    if (app.Demo) app.Demo->AfterTick(app);
  });
}

// Mouse positions become drawing-area pixels; those in the letterbox bars are outside it, so
// a move there leaves MousePos alone and a click there does nothing.
std::optional<TInputEvent> InDrawingArea(const Application& app, const TInputEvent& event) {
  if (event.Kind != TInputKind::MouseMove && event.Kind != TInputKind::MouseDown) return event;
  const auto point = app.DXDraw->MapToDrawingArea(event.X, event.Y);
  if (!point) return std::nullopt;
  TInputEvent inside = event;
  inside.X = point->X;
  inside.Y = point->Y;
  return inside;
}

void RouteEvent(Application& app, const TInputEvent& event) {
  switch (event.Kind) {
    case TInputKind::KeyDown: FormKeyDown(app, event.Key, event.Modifiers); break;
    case TInputKind::Character: FormKeyPress(app, event.Character); break;
    case TInputKind::MouseMove: app.MousePos = TPoint{event.X, event.Y}; break;
    case TInputKind::MouseDown: MouseDownInArea(app, event.Button); break;
    case TInputKind::FocusGained: DXTimerActivate(app); break;
    case TInputKind::FocusLost: DXTimerDeactivate(app); break;
    case TInputKind::Close:
    case TInputKind::Quit: CloseMainWindow(app); break;
  }
}

void DispatchEvent(Application& app, const TInputEvent& event) {
  Guarded(app, [&] {
    const std::optional<TInputEvent> inside = InDrawingArea(app, event);
    if (!inside) return;
    if (app.Demo != nullptr && !app.Demo->BeforeEvent(app, *inside)) return;
    RouteEvent(app, *inside);
    if (app.Demo != nullptr) app.Demo->AfterEvent(app);
  });
}

void ToggleFullScreen(Application& app) {
  IDisplay& display = *app.DXDraw;
  DisableTimer(app.DXTimer);
  display.FinalizeDisplay();
  TDisplayOptions options = display.DisplayOptions();
  if (options.FullScreen) {
    display.RestoreWindowPlacement();
    options.FullScreen = false;
  } else {
    display.SaveWindowPlacement();
    options.FullScreen = true;
  }
  // The display back-end gives the window its border back, or takes it away, with the mode.
  display.SetDisplayOptions(options);
  display.InitializeDisplay();
  EnableTimer(app.DXTimer, app.Now());
}

std::string FrameRateText(const Application& app) {
  return "FPS: " + std::to_string(app.DXTimer.FrameRate);
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void AppException(Application& app, const std::string& message, const std::string& detail) {
  app.Platform.desktop.ShowErrorBox(kApplicationTitle, ErrorBoxText(message), detail);
  try {
    FreeAll(app);
  } catch (const std::exception&) {
    // Releasing is best effort once the program is already going down.
  }
  app.Terminated = true;
  app.Failed = true;
}

}  // namespace sk
