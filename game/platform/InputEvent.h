#pragma once
#include <cstdint>

namespace sk {

// Input as the game sees it, whatever the platform delivered.
enum class TInputKind : std::uint8_t {
  KeyDown,      // Key with Modifiers; repeats of a held key arrive as further key downs
  Character,    // Character: one typed Windows-1252 byte
  MouseMove,    // X, Y in window coordinates
  MouseDown,    // Button, X, Y in window coordinates
  FocusGained,  // the program became the active application
  FocusLost,
  Close,  // the window's close box or Alt+F4
  Quit,   // the session ends the program
};

enum TModifier : std::uint8_t { kShift = 1, kCtrl = 2, kAlt = 4 };
enum class TMouseButton : std::uint8_t { Left, Right, Middle, Other };

// The desktop's virtual-key codes that the game, its demos and its tools name. Letters and
// digits are their upper-case characters.
inline constexpr std::uint16_t kVkBack = 8;
inline constexpr std::uint16_t kVkTab = 9;
inline constexpr std::uint16_t kVkReturn = 13;
inline constexpr std::uint16_t kVkShift = 16;
inline constexpr std::uint16_t kVkCtrl = 17;
inline constexpr std::uint16_t kVkAlt = 18;
inline constexpr std::uint16_t kVkPause = 19;
inline constexpr std::uint16_t kVkCapsLock = 20;
inline constexpr std::uint16_t kVkEscape = 27;
inline constexpr std::uint16_t kVkSpace = 32;
inline constexpr std::uint16_t kVkPageUp = 33;
inline constexpr std::uint16_t kVkPageDown = 34;
inline constexpr std::uint16_t kVkEnd = 35;
inline constexpr std::uint16_t kVkHome = 36;
inline constexpr std::uint16_t kVkLeft = 37;
inline constexpr std::uint16_t kVkUp = 38;
inline constexpr std::uint16_t kVkRight = 39;
inline constexpr std::uint16_t kVkDown = 40;
inline constexpr std::uint16_t kVkInsert = 45;
inline constexpr std::uint16_t kVkDelete = 46;
inline constexpr std::uint16_t kVkWin = 91;
inline constexpr std::uint16_t kVkApps = 93;
inline constexpr std::uint16_t kVkNumLock = 144;
inline constexpr std::uint16_t kVkF1 = 112;

struct TInputEvent {
  TInputKind Kind = TInputKind::KeyDown;
  std::uint16_t Key = 0;       // virtual-key code
  std::uint8_t Modifiers = 0;  // only Shift, Ctrl and Alt count
  std::uint8_t Character = 0;
  TMouseButton Button = TMouseButton::Left;
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

}  // namespace sk
