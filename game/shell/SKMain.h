#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "game/platform/InputEvent.h"

namespace sk {

struct Application;

// The main window's event handlers. The platform's events arrive through DispatchEvent,
// the frame ticks through the message loop.
void FormCreate(Application& app);
void FormClose(Application& app);
void FormKeyDown(Application& app, std::uint16_t key, std::uint8_t modifiers);
void FormKeyPress(Application& app, std::uint8_t ch);
void DXDrawInitialize(Application& app);
void DXDrawFinalize(Application& app);
void DXTimerActivate(Application& app);
void DXTimerDeactivate(Application& app);
void DXTimerTimer(Application& app, std::uint32_t lagCount);

// Routes one platform event to its handler; an error on the way ends the program through
// AppException.
void DispatchEvent(Application& app, const TInputEvent& event);
// The event with its mouse position turned into drawing-area pixels; nothing for a mouse
// event outside the drawing area (in the letterbox bars), which changes nothing anywhere.
std::optional<TInputEvent> InDrawingArea(const Application& app, const TInputEvent& event);
// Routes an event whose mouse position is in drawing-area pixels already (a demo's events).
void RouteEvent(Application& app, const TInputEvent& event);

// Closing the main window the normal way: the name is saved and the program ends.
void CloseMainWindow(Application& app);

// Alt+Enter: window to full screen and back; the shown screen carries on.
void ToggleFullScreen(Application& app);

// "FPS: " and the frame rate the timer measured.
std::string FrameRateText(const Application& app);

// The one handler of unexpected errors: shows the message, releases everything, ends.
// `detail` goes to the console only (see Error::Detail).
void AppException(Application& app, const std::string& message, const std::string& detail = "");
// The message as the error box shows it: a "." is added after a last character above ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace sk
