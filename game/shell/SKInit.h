#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "game/maps/SKMap.h"
#include "game/render/Geometry.h"

namespace sk {

struct Application;
struct TGamePaths;
struct TSettings;
struct TStartOptions;

inline constexpr const char* kDataFileError = "Cannot load data file.";

// Start-up, from seeding the random generator to starting the song.
void InitAll(Application& app);
// The normal end: the name is saved, then everything is released.
void CloseAll(Application& app);
// Releases timer, display, song, audio engine and archive, in that order. Each step skips
// what is already released, so a second call, or one after a failed start, is harmless.
void FreeAll(Application& app);

// Puts the system pointer on a point of the drawing area. MousePos follows at once: the
// platform reports the move only later, and the next frame must already see it.
void MoveCursor(Application& app, TPoint point);
void CenterCursor(Application& app);

// The settings a run starts with: the settings file (an installed copy's shipped one while the
// player has none), with a test map named on the command line in place of the file's.
TSettings ReadStartSettings(const TGamePaths& paths, const TStartOptions& start);

// The system's words at the end of a problem ("…: No space left on device"), short enough for
// one line on the screen.
std::string ShortReason(const std::string& problem);

// Whether the test map would load as the match loads it: nothing when it does, else the full
// path and the reason. Lets the command line refuse a map before any window opens.
std::optional<std::string> TestMapProblem(const std::string& configuredPath);

// For the console: the full path of a map file and why the match could not load it.
std::string MapProblem(const std::string& file, MapLoadResult result);

// The test map's path as the platform opens it: settings written on the desktop may
// separate folders with '\'.
std::string TestMapFile(const std::string& configuredPath);

}  // namespace sk
