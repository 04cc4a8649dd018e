#include "platform/sdl/VirtualKeys.h"

#include <SDL.h>

#include <iterator>

#include "game/platform/InputEvent.h"

namespace sk {
namespace {

// A key the desktop has no virtual key for.
constexpr std::uint16_t kNoDesktopCode = 255;

struct CodePair {
  std::int32_t sdl;
  std::uint16_t vk;
};

// Character keys whose meaning, not place, has a virtual key: the control characters, and the
// punctuation as on a US layout. ('+', ',', '-' and '.' keep their codes on every layout.)
constexpr CodePair kCharacterKeys[] = {
    {SDLK_BACKSPACE, kVkBack}, {SDLK_TAB, kVkTab},       {SDLK_RETURN, kVkReturn},
    {SDLK_ESCAPE, kVkEscape},  {SDLK_SPACE, kVkSpace},   {SDLK_DELETE, kVkDelete},
    {SDLK_SEMICOLON, 186},     {SDLK_EQUALS, 187},       {SDLK_PLUS, 187},
    {SDLK_COMMA, 188},         {SDLK_MINUS, 189},        {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},         {SDLK_BACKQUOTE, 192},    {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220},     {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

// The virtual key of each place on the keyboard that has one, as on a US layout. Letters,
// digits, F1-F24 and the keypad digits are ranges, handled before this list.
constexpr CodePair kPlaces[] = {
    {SDL_SCANCODE_RETURN, kVkReturn},
    {SDL_SCANCODE_ESCAPE, kVkEscape},
    {SDL_SCANCODE_BACKSPACE, kVkBack},
    {SDL_SCANCODE_TAB, kVkTab},
    {SDL_SCANCODE_SPACE, kVkSpace},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_NONUSHASH, 220},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_CAPSLOCK, kVkCapsLock},
    {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_PAUSE, kVkPause},
    {SDL_SCANCODE_INSERT, kVkInsert},
    {SDL_SCANCODE_HOME, kVkHome},
    {SDL_SCANCODE_PAGEUP, kVkPageUp},
    {SDL_SCANCODE_DELETE, kVkDelete},
    {SDL_SCANCODE_END, kVkEnd},
    {SDL_SCANCODE_PAGEDOWN, kVkPageDown},
    {SDL_SCANCODE_RIGHT, kVkRight},
    {SDL_SCANCODE_LEFT, kVkLeft},
    {SDL_SCANCODE_DOWN, kVkDown},
    {SDL_SCANCODE_UP, kVkUp},
    {SDL_SCANCODE_NUMLOCKCLEAR, kVkNumLock},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_ENTER, kVkReturn},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
    {SDL_SCANCODE_APPLICATION, kVkApps},
    {SDL_SCANCODE_KP_EQUALS, 146},
    {SDL_SCANCODE_EXECUTE, 43},
    {SDL_SCANCODE_HELP, 47},
    {SDL_SCANCODE_MENU, kVkApps},
    {SDL_SCANCODE_SELECT, 41},
    {SDL_SCANCODE_STOP, 169},
    {SDL_SCANCODE_MUTE, 173},
    {SDL_SCANCODE_VOLUMEUP, 175},
    {SDL_SCANCODE_VOLUMEDOWN, 174},
    {SDL_SCANCODE_KP_COMMA, 108},
    {SDL_SCANCODE_KP_EQUALSAS400, 146},
    {SDL_SCANCODE_INTERNATIONAL1, 193},
    {SDL_SCANCODE_INTERNATIONAL2, 21},
    {SDL_SCANCODE_INTERNATIONAL3, 220},
    {SDL_SCANCODE_INTERNATIONAL4, 28},
    {SDL_SCANCODE_INTERNATIONAL5, 29},
    {SDL_SCANCODE_LANG1, 21},
    {SDL_SCANCODE_LANG2, 25},
    {SDL_SCANCODE_SYSREQ, 44},
    {SDL_SCANCODE_CANCEL, 3},
    {SDL_SCANCODE_CLEAR, 12},
    {SDL_SCANCODE_PRIOR, kVkPageUp},
    {SDL_SCANCODE_RETURN2, kVkReturn},
    {SDL_SCANCODE_SEPARATOR, 108},
    {SDL_SCANCODE_CLEARAGAIN, 254},
    {SDL_SCANCODE_CRSEL, 247},
    {SDL_SCANCODE_EXSEL, 248},
    {SDL_SCANCODE_KP_TAB, kVkTab},
    {SDL_SCANCODE_KP_BACKSPACE, kVkBack},
    {SDL_SCANCODE_KP_SPACE, kVkSpace},
    {SDL_SCANCODE_KP_CLEAR, 12},
    {SDL_SCANCODE_KP_DECIMAL, 110},
    {SDL_SCANCODE_LCTRL, kVkCtrl},
    {SDL_SCANCODE_LSHIFT, kVkShift},
    {SDL_SCANCODE_LALT, kVkAlt},
    {SDL_SCANCODE_LGUI, kVkWin},
    {SDL_SCANCODE_RCTRL, kVkCtrl},
    {SDL_SCANCODE_RSHIFT, kVkShift},
    {SDL_SCANCODE_RALT, kVkAlt},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_MODE, kVkAlt},
    {SDL_SCANCODE_AUDIONEXT, 176},
    {SDL_SCANCODE_AUDIOPREV, 177},
    {SDL_SCANCODE_AUDIOSTOP, 178},
    {SDL_SCANCODE_AUDIOPLAY, 179},
    {SDL_SCANCODE_AUDIOMUTE, 173},
    {SDL_SCANCODE_MEDIASELECT, 181},
    {SDL_SCANCODE_WWW, 172},
    {SDL_SCANCODE_MAIL, 180},
    {SDL_SCANCODE_CALCULATOR, 183},
    {SDL_SCANCODE_COMPUTER, 182},
    {SDL_SCANCODE_AC_SEARCH, 170},
    {SDL_SCANCODE_AC_HOME, 172},
    {SDL_SCANCODE_AC_BACK, 166},
    {SDL_SCANCODE_AC_FORWARD, 167},
    {SDL_SCANCODE_AC_STOP, 169},
    {SDL_SCANCODE_AC_REFRESH, 168},
    {SDL_SCANCODE_AC_BOOKMARKS, 171},
    {SDL_SCANCODE_SLEEP, 95},
    {SDL_SCANCODE_APP1, 182},
    {SDL_SCANCODE_APP2, 183},
};

std::uint16_t Find(const CodePair* begin, const CodePair* end, std::int32_t code) {
  for (const CodePair* p = begin; p != end; ++p) {
    if (p->sdl == code) return p->vk;
  }
  return 0;
}

// The US layout's virtual key at a place on the keyboard; 255 for a place without one.
std::uint16_t PlaceKey(std::int32_t scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return static_cast<std::uint16_t>('A' + scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return static_cast<std::uint16_t>('1' + scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0) return '0';
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
    return static_cast<std::uint16_t>(kVkF1 + scancode - SDL_SCANCODE_F1);
  if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24)
    return static_cast<std::uint16_t>(kVkF1 + 12 + scancode - SDL_SCANCODE_F13);
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    return static_cast<std::uint16_t>(97 + scancode - SDL_SCANCODE_KP_1);
  if (scancode == SDL_SCANCODE_KP_0) return 96;
  const std::uint16_t vk = Find(std::begin(kPlaces), std::end(kPlaces), scancode);
  if (vk != 0) return vk;
  return scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES ? kNoDesktopCode : 0;
}

}  // namespace

std::uint16_t VirtualKey(std::int32_t sdlKeycode, std::int32_t sdlScancode) {
  if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z)
    return static_cast<std::uint16_t>('A' + sdlKeycode - SDLK_a);
  if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9) return static_cast<std::uint16_t>(sdlKeycode);
  // Keys that are no characters carry their place in their code: it names the key itself.
  if (sdlKeycode & SDLK_SCANCODE_MASK) {
    const std::uint16_t vk = PlaceKey(sdlKeycode & ~SDLK_SCANCODE_MASK);
    if (vk != 0) return vk;
  }
  const std::uint16_t vk = Find(std::begin(kCharacterKeys), std::end(kCharacterKeys), sdlKeycode);
  if (vk != 0) return vk;
  const std::uint16_t place = PlaceKey(sdlScancode);
  if (place != 0) return place;
  // A key SDL has a code for but no place: still a key press.
  return sdlKeycode != SDLK_UNKNOWN ? kNoDesktopCode : 0;
}

}  // namespace sk
