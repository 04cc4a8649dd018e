#pragma once
#include <cstdint>
#include <string>

#include "game/platform/GamePaths.h"

namespace sk {

// The game's command line:
//   [--test-map FILE] [--record FILE] | --play FILE | --help | --version
// A value may also follow its option after '=' (--record=FILE).
struct TCommandLine {
  enum class Mode : std::uint8_t { Normal, Record, Play };
  Mode Kind = Mode::Normal;
  std::string File;      // the demo recorded or played
  std::string TestMap;   // a map played at once in test mode
  bool Help = false;     // --help or -h: print the usage and leave
  bool Version = false;  // --version or -v: print the version and leave
  std::string Error;     // what is wrong with the command line, if anything
};

// What the command line asks of the game's run itself.
struct TStartOptions {
  std::string TestMap;  // played at once in test mode instead of the TestMap setting
  // Nothing is written into the settings file (a map author's test run).
  bool KeepSettingsFile = false;
};
TStartOptions StartOptions(const TCommandLine& command);

// Reads the options left to right; --help and --version answer at once, whatever follows.
TCommandLine ParseCommandLine(int argc, const char* const* argv);

// The usage and the options, for `program` (the name the game was started by).
std::string CommandLineHelp(const std::string& program);
// Where this copy keeps its files, for the end of the help.
std::string FilesHelp(const TGamePaths& paths);
// The first lines of the help, for a wrong command line.
std::string CommandLineUsage(const std::string& program);
// "Codename: Skarveth 1.00": the version the menu shows.
std::string VersionLine();

}  // namespace sk
