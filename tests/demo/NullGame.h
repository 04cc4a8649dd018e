#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/Sha256.h"
#include "game/demo/DemoFiles.h"
#include "game/shell/SKInit.h"
#include "support/Harness.h"

namespace sk::test {

inline std::string GameDir() { return std::string(SK_GAME_DIR) + "/"; }

// A player's program folder holding the built archive and maps and the given settings.
inline void MakePlayerFolder(const TempDir& dir, const std::string& ini) {
  PutBuiltGame(dir);
  dir.Write("Skarveth.ini", ini);
}

// What a recording started in the ready-to-play folder `dir` begins with.
inline TDemo BeginDemoIn(const std::string& dir, std::uint32_t seed) {
  const TGamePaths paths = ReadyToPlayPaths(dir);
  return BeginDemo(paths, ReadStartSettings(paths, {}), seed);
}

// Every file below `root` with the SHA-256 of its content, to see that nothing changed.
inline std::vector<std::pair<std::string, std::string>> Snapshot(const std::string& root) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string path = entry.path().string();
    const auto bytes = entry.is_regular_file() ? ReadFileBytes(path) : std::nullopt;
    files.emplace_back(path, bytes ? Sha256Hex(*bytes) : "folder");
  }
  std::sort(files.begin(), files.end());
  return files;
}

// A quick fingerprint of a frame, for comparing every frame of two runs.
inline std::uint64_t FramePrint(const TSurface& frame) {
  std::uint64_t h = 14695981039346656037ull;
  for (const std::uint16_t p : frame.Pixels) h = (h ^ p) * 1099511628211ull;
  return h;
}

// The game started from `programDir` with a clock at 1000 ms. Every call the shell routes to
// a screen is written into `routed` before the screen handles it.
class NullGame : public Harness {
 public:
  NullGame(const std::string& programDir, std::uint32_t seed) : Harness("", TFolder::Empty) {
    clock.now = 1000;  // the tests' tick times count from here
    desktop.programDir = programDir;
    desktop.timeOfDay = seed;
    RecordRouting(true);
  }
};

}  // namespace sk::test
