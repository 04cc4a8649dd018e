#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace sk {

struct Application;

// Screen states: 0 until start-up has entered the first screen.
inline constexpr std::uint8_t kScreenNone = 0;
inline constexpr std::uint8_t kScreenGame = 1;
inline constexpr std::uint8_t kScreenMenu = 2;
inline constexpr std::uint8_t kScreenIntro = 3;
inline constexpr std::uint8_t kScreenCredits = 4;

// What a screen does when it is entered first, with a frame tick, a key without modifiers,
// a typed character and a left click. An empty entry ignores the event.
struct TScreenHandlers {
  std::function<void(Application&)> Enter;
  std::function<void(Application&)> Step;
  std::function<void(Application&, std::uint16_t key)> KeyDown;
  std::function<void(Application&, std::uint8_t ch)> KeyPress;
  std::function<void(Application&)> Click;
};

// Indexed by ScreenState - 1.
using TScreenTable = std::array<TScreenHandlers, 4>;

// The game's four screens with their own handlers; filled by the screens themselves, above
// the shell, which only routes through it.
TScreenTable GameScreens();

// Every screen's state record. The shell only holds them for the run: what they hold is the
// screens' own business, and each screen reaches its record through its own accessor.
struct TScreenRecords;
struct TScreenRecordsDeleter {
  void operator()(TScreenRecords* records) const;
};
using TScreenRecordsPtr = std::unique_ptr<TScreenRecords, TScreenRecordsDeleter>;
TScreenRecordsPtr MakeScreenRecords();

}  // namespace sk
