#pragma once
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "game/resources/SKConfig.h"

// A demo: everything a session of the game depends on, as readable text. The game is a pure
// function of its seed, its settings, its data files and the input that arrives between frame
// ticks, so a demo replays a session exactly. See the README for the format.
namespace sk {

inline constexpr int kDemoVersion = 1;
inline constexpr const char* kDemoMagic = "SKARVETH DEMO";
// Three hours at the default frame delay, longer than any session, and short enough that
// SKDEMO plays a demo of the slowest screens that long in under ten minutes.
inline constexpr std::uint32_t kMaxDemoTicks = 675'000;
// Entering a screen loads its pictures, a few milliseconds each time; a player enters a few
// hundred screens in a long session, a hostile demo could ask for a million in one tick.
inline constexpr std::uint32_t kMaxDemoScreenEntries = 10'000;
// The slowest pace a demo may ask for: one tick a second.
inline constexpr std::int32_t kMaxDemoFrameDelay = 1000;
// More maps (each with its score file) and loose Data/ files than any game folder holds.
inline constexpr std::size_t kMaxDemoMaps = 4096;
inline constexpr std::size_t kMaxDemoOverrides = 4096;
// Hours of heavy mouse work; the events of a demo this size take about twice as much memory.
inline constexpr std::uint64_t kMaxDemoFileSize = 16u << 20;
// Room for the longest setting text (2047 bytes) written with escapes.
inline constexpr std::size_t kMaxDemoLineLength = 16384;

struct TFileIdentity {
  std::uint64_t Size = 0;
  std::string Sha256;  // 64 lower-case hexadecimal digits
  friend bool operator==(const TFileIdentity&, const TFileIdentity&) = default;
};

// A data file by its name (in Data/ or Maps/) and identity.
struct TDemoFile {
  std::string Name;
  TFileIdentity Identity;
  friend bool operator==(const TDemoFile&, const TDemoFile&) = default;
};

// A score file of a listed map as the session found it.
struct TDemoScore {
  enum class State : std::uint8_t { Missing, Unreadable, Present };
  std::string Name;  // in Maps/
  State Kind = State::Missing;
  std::vector<std::uint8_t> Bytes;  // Present: the bytes the game reads
  friend bool operator==(const TDemoScore&, const TDemoScore&) = default;
};

enum class TDemoEventKind : std::uint8_t {
  Key,         // Key with Modifiers
  Char,        // Character
  Move,        // X, Y in drawing-area pixels
  Click,       // left button at X, Y in drawing-area pixels
  FocusIn,     // the game became the active application (kept for the reader; pacing is
  FocusOut,    //   in the ticks already)
  PointerIn,   // from this tick on the system pointer is over the drawing area
  PointerOut,  // ... is not: the screens draw no cursor
  NoDraw,      // the display could not draw: this tick's step did nothing
  Close,       // the window was closed, or the session ended the program
};

// One input event, stamped with the number of frame ticks that had run before it arrived.
struct TDemoEvent {
  std::uint32_t Tick = 0;
  TDemoEventKind Kind = TDemoEventKind::Key;
  std::uint8_t Modifiers = 0;  // kShift, kCtrl, kAlt
  std::uint8_t Character = 0;
  std::uint16_t Key = 0;
  std::int16_t X = 0;
  std::int16_t Y = 0;
  friend bool operator==(const TDemoEvent&, const TDemoEvent&) = default;
};

struct TDemo {
  std::uint32_t Seed = 0;
  // The settings of Skarveth.ini that change what a session does (the rows of the settings
  // table with a demo place); the others only change how it is shown and heard and keep their
  // defaults here.
  TSettings Settings;
  TFileIdentity Archive;
  std::vector<TDemoFile> Overrides;          // the files of Data/
  std::vector<TDemoFile> Maps;               // the map files listed at start-up, in order
  std::optional<TFileIdentity> TestMapFile;  // the map the TestMap setting names
  std::vector<TDemoScore> Scores;            // the score files of the listed maps
  std::vector<TDemoEvent> Events;            // in tick order
  std::uint32_t EndTick = 0;                 // ticks of the whole session
  friend bool operator==(const TDemo&, const TDemo&) = default;
};

// The demo as text: the header lines and the events, without the end line.
std::string FormatDemoHead(const TDemo& demo);
std::string FormatDemoEvent(const TDemoEvent& event);
std::string FormatDemoEnd(std::uint32_t endTick);
// The whole file.
std::string FormatDemo(const TDemo& demo);

struct TDemoReadResult {
  std::optional<TDemo> Demo;
  std::string Error;  // "line N: what is wrong", when Demo is empty
};

// Reads a demo; the first fault refuses the whole text with its line number.
TDemoReadResult ParseDemo(std::istream& in);
TDemoReadResult ParseDemoText(const std::string& text);
// The file at `path`; a missing, unreadable or oversized file is refused too.
TDemoReadResult ReadDemoFile(const std::string& path);

// A text value as the demo writes it: quoted, with \" \\ and \xHH for every byte that is not
// printable ASCII, so a demo is plain ASCII whatever the names hold.
std::string QuoteDemoText(const std::string& text);

}  // namespace sk
