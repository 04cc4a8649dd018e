#pragma once
#include <cstdint>
#include <string>

#include "game/platform/GamePaths.h"
#include "game/platform/InputEvent.h"

namespace sk {

// The system's millisecond clock: 32 bits, wrapping.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t Milliseconds() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// Where input comes from. Waiting is how the game idles between frames instead of spinning.
class EventSource {
 public:
  virtual ~EventSource() = default;
  // The next pending event, without waiting.
  virtual bool PollEvent(TInputEvent& event) = 0;
  // Waits until an event arrives or until the clock reads `due` (ms, wrapping); false when
  // the time came first. The wake-up must not be late by a millisecond or more, or frames
  // would come slower than the frame delay promises.
  virtual bool WaitEventUntil(TInputEvent& event, std::uint32_t due) = 0;
  // Waits as long as it takes.
  virtual bool WaitEvent(TInputEvent& event) = 0;
};

// The desktop's other services: the main window, the pointer's look and the error box.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void ShowMainWindow() = 0;
  // Hidden while the game is active: the screens draw their own cursor picture.
  virtual void SetCursorVisible(bool visible) = 0;
  // A modal error box with a stop icon and an OK button; the text is Windows-1252. `detail`
  // (the path tried, the reason; may be empty) goes only to the console, beside the message.
  virtual void ShowErrorBox(const std::string& title, const std::string& message,
                            const std::string& detail) = 0;
  // A short message box with a warning icon and an OK button, for a problem the player must
  // learn about on the way out (the console has had its own line already).
  virtual void ShowWarningBox(const std::string& title, const std::string& message) = 0;
  // Where the game's files live: its program folder and layout (see GamePaths.h).
  virtual TGamePaths Paths() = 0;
  // Milliseconds since midnight of the current UTC day: the seed of a new run.
  virtual std::uint32_t TimeOfDayMilliseconds() = 0;
};

}  // namespace sk
