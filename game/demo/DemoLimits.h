#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/demo/DemoFormat.h"
#include "game/maps/MapList.h"

// What a demo may ask of the machine that plays it. Demos come from strangers: everything in
// one is held to what a session of the game in a real game folder can produce, so that
// playing it costs bounded memory, disk and time and touches nothing outside the game folder.
namespace sk {

// A problem with a frame delay, or nothing: beyond kMaxDemoFrameDelay a playback would stand
// still for hours per tick. Negative values act as 0, as in Skarveth.ini.
std::optional<std::string> FrameDelayProblem(std::int32_t frameDelay);

// A problem with the test map's path, or nothing: it must name a file inside the game folder
// (a relative path without ".."), so a demo can never read or describe any other file.
std::optional<std::string> DemoTestMapProblem(const std::string& path);

// A file's name inside its folder (Data/ or Maps/), never beside or above it: not empty, "."
// or "..", and without '/', '\' or NUL.
bool IsPlainFileName(const std::string& name);

// A problem with a map file's name as a demo may hold it, or nothing.
std::optional<std::string> DemoMapNameProblem(const std::string& name);

// A recording lists only the maps its demo can hold, so that the playback shows the very same
// list: maps named as no demo may name them, and those past kMaxDemoMaps, are left out of
// `list`. One notice for the player per reason.
std::vector<std::string> KeepRecordableMaps(TMapList& list);

// The files a demo names, checked line by line as the reader meets them.
class TDemoFileCheck {
 public:
  // A problem with this file, or nothing: a name given twice, a map name that the map list
  // could not hold, more files than a game folder holds.
  std::optional<std::string> AddOverride(const std::string& name);
  std::optional<std::string> AddMap(const std::string& name);
  std::optional<std::string> AddScore(const TDemoScore& score, std::size_t line);
  // Once the maps are all known: the first score line that is not the score file of a listed
  // map, with its line number and the problem.
  std::optional<std::pair<std::size_t, std::string>> CheckScores() const;

 private:
  std::set<std::string> overrides_;
  std::set<std::string> maps_;
  std::set<std::string> scores_;
  std::vector<std::pair<std::size_t, std::string>> scoreLines_;
};

// The first problem of a whole demo's head as the limits above see it, or nothing; a session
// is recorded only when its demo can be played back.
std::optional<std::string> DemoHeadProblem(const TDemo& demo);

}  // namespace sk
