// Every key SDL reports reaches the screens with a virtual key: on a US and a German layout.
#include <SDL.h>
#include <gtest/gtest.h>

#include <map>

#include "game/platform/InputEvent.h"
#include "platform/sdl/VirtualKeys.h"

namespace sk {
namespace {

// SDL's own US keymap: each place on the keyboard with the key code it reports there.
std::map<int, SDL_Keycode> UsLayout() {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  std::map<int, SDL_Keycode> layout;
  for (int place = 1; place < SDL_NUM_SCANCODES; ++place) {
    const SDL_Keycode key = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(place));
    if (key != SDLK_UNKNOWN) layout[place] = key;
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return layout;
}

// A German layout differs in these places: the key codes are the characters printed on them
// (the dead keys ^ and ´ included), and AltGr is the mode switch.
struct GermanKey {
  int place;
  SDL_Keycode key;
  std::uint16_t vk;  // worked out by hand
};
const GermanKey kGerman[] = {
    {SDL_SCANCODE_Y, 'z', 'Z'},
    {SDL_SCANCODE_Z, 'y', 'Y'},
    {SDL_SCANCODE_MINUS, 0xDF, 189},
    {SDL_SCANCODE_EQUALS, 0xB4, 187},
    {SDL_SCANCODE_LEFTBRACKET, 0xFC, 219},
    {SDL_SCANCODE_RIGHTBRACKET, '+', 187},
    {SDL_SCANCODE_BACKSLASH, '#', 220},
    {SDL_SCANCODE_NONUSHASH, '#', 220},
    {SDL_SCANCODE_SEMICOLON, 0xF6, 186},
    {SDL_SCANCODE_APOSTROPHE, 0xE4, 222},
    {SDL_SCANCODE_GRAVE, '^', 192},
    {SDL_SCANCODE_SLASH, '-', 189},
    {SDL_SCANCODE_NONUSBACKSLASH, '<', 226},
    {SDL_SCANCODE_RALT, SDLK_MODE, kVkAlt},
};

TEST(VirtualKeys, EveryKeyOfAUsAndAGermanLayoutReachesTheScreens) {
  std::map<int, SDL_Keycode> layout = UsLayout();
  ASSERT_GT(layout.size(), 200u);
  for (const auto& [place, key] : layout)
    EXPECT_NE(VirtualKey(key, place), 0) << SDL_GetKeyName(key) << " at " << place;
  for (const GermanKey& g : kGerman) {
    EXPECT_EQ(VirtualKey(g.key, g.place), g.vk) << "German key at " << g.place;
    layout[g.place] = g.key;
  }
  for (const auto& [place, key] : layout) EXPECT_NE(VirtualKey(key, place), 0) << place;
}

TEST(VirtualKeys, TheDesktopsCodesWhereItHasThem) {
  struct Case {
    SDL_Keycode key;
    SDL_Scancode place;
    std::uint16_t vk;
  };
  const Case cases[] = {
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, kVkEscape},
      {SDLK_RETURN, SDL_SCANCODE_RETURN, kVkReturn},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, kVkReturn},
      {SDLK_a, SDL_SCANCODE_A, 65},
      {SDLK_q, SDL_SCANCODE_A, 81},  // a French layout: the code counts, not the place
      {SDLK_5, SDL_SCANCODE_5, 53},
      {SDLK_F1, SDL_SCANCODE_F1, kVkF1},
      {SDLK_F13, SDL_SCANCODE_F13, 124},
      {SDLK_F24, SDL_SCANCODE_F24, 135},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 96},
      {SDLK_KP_9, SDL_SCANCODE_KP_9, 105},
      {SDLK_KP_EQUALS, SDL_SCANCODE_KP_EQUALS, 146},
      {SDLK_MENU, SDL_SCANCODE_MENU, kVkApps},
      {SDLK_APPLICATION, SDL_SCANCODE_APPLICATION, kVkApps},
      {SDLK_CLEAR, SDL_SCANCODE_CLEAR, 12},
      {SDLK_DELETE, SDL_SCANCODE_DELETE, kVkDelete},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, kVkLeft},
      {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186},
      {SDLK_e, SDL_SCANCODE_E, 69},
      {0xE9, SDL_SCANCODE_2, '2'},            // é on a French layout: the digit key it sits on
      {SDLK_POWER, SDL_SCANCODE_POWER, 255},  // no desktop code: still a key
      {0x20AC, SDL_SCANCODE_UNKNOWN, 255},    // a character from nowhere
      {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(VirtualKey(c.key, c.place), c.vk) << SDL_GetKeyName(c.key);
}

}  // namespace
}  // namespace sk
