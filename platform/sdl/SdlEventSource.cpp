#include "platform/sdl/SdlEventSource.h"

#include <SDL.h>

#include "common/Cp1252.h"
#include "platform/sdl/VirtualKeys.h"

namespace sk {
namespace {

// Only these three count: Num Lock, Caps Lock and the logo keys must never block a key.
std::uint8_t Modifiers(Uint16 mod) {
  std::uint8_t m = 0;
  if (mod & KMOD_SHIFT) m |= kShift;
  if (mod & KMOD_CTRL) m |= kCtrl;
  if (mod & KMOD_ALT) m |= kAlt;
  return m;
}

TMouseButton Button(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return TMouseButton::Left;
    case SDL_BUTTON_RIGHT: return TMouseButton::Right;
    case SDL_BUTTON_MIDDLE: return TMouseButton::Middle;
    default: return TMouseButton::Other;
  }
}

}  // namespace

void SdlEventSource::Translate(const SDL_Event& sdl) {
  TInputEvent e;
  switch (sdl.type) {
    case SDL_KEYDOWN:  // held keys repeat as further key downs, as players expect
      e.Kind = TInputKind::KeyDown;
      e.Key = VirtualKey(sdl.key.keysym.sym, sdl.key.keysym.scancode);
      e.Modifiers = Modifiers(sdl.key.keysym.mod);
      if (e.Key != 0) pending_.push_back(e);
      break;
    case SDL_TEXTINPUT:
      for (char c : Utf8ToCp1252(sdl.text.text)) {
        e.Kind = TInputKind::Character;
        e.Character = static_cast<std::uint8_t>(c);
        pending_.push_back(e);
      }
      break;
    case SDL_MOUSEMOTION:
      e.Kind = TInputKind::MouseMove;
      e.X = sdl.motion.x;
      e.Y = sdl.motion.y;
      pending_.push_back(e);
      break;
    case SDL_MOUSEBUTTONDOWN:
      e.Kind = TInputKind::MouseDown;
      e.Button = Button(sdl.button.button);
      e.X = sdl.button.x;
      e.Y = sdl.button.y;
      pending_.push_back(e);
      break;
    case SDL_WINDOWEVENT:
      if (sdl.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) e.Kind = TInputKind::FocusGained;
      else if (sdl.window.event == SDL_WINDOWEVENT_FOCUS_LOST) e.Kind = TInputKind::FocusLost;
      else if (sdl.window.event == SDL_WINDOWEVENT_CLOSE) e.Kind = TInputKind::Close;
      else break;
      pending_.push_back(e);
      break;
    case SDL_QUIT:  // the session or a signal ends the game: a normal close
      e.Kind = TInputKind::Quit;
      pending_.push_back(e);
      break;
    default:
      break;
  }
}

bool SdlEventSource::TakePending(TInputEvent& event) {
  if (pending_.empty()) return false;
  event = pending_.front();
  pending_.pop_front();
  return true;
}

bool SdlEventSource::PollEvent(TInputEvent& event) {
  SDL_Event sdl;
  while (pending_.empty() && SDL_PollEvent(&sdl)) Translate(sdl);
  return TakePending(event);
}

bool SdlEventSource::WaitEventUntil(TInputEvent& event, std::uint32_t due) {
  for (;;) {
    if (PollEvent(event)) return true;
    const std::uint32_t ahead = due - clock_.Milliseconds();
    if (ahead == 0 || ahead > 0x80000000u) return false;
    if (ahead == 1) {
      // SDL's timeouts may wake a millisecond late; the last stretch is slept exactly.
      clock_.SleepUntil(due);
      return PollEvent(event);
    }
    SDL_Event sdl;
    if (SDL_WaitEventTimeout(&sdl, static_cast<int>(ahead - 1))) Translate(sdl);
  }
}

bool SdlEventSource::WaitEvent(TInputEvent& event) {
  SDL_Event sdl;
  while (pending_.empty()) {
    if (!SDL_WaitEvent(&sdl)) return false;
    Translate(sdl);
  }
  return TakePending(event);
}

}  // namespace sk
