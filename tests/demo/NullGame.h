#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/Sha256.h"
#include "game/demo/DemoFiles.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"
#include "game/shell/ScreenTable.h"
#include "support/NullBackEnds.h"
#include "support/TempDir.h"

namespace sk::test {

inline std::string GameDir() { return std::string(SK_GAME_DIR) + "/"; }

// A player's program folder holding the built archive and maps and the given settings.
inline void MakePlayerFolder(const TempDir& dir, const std::string& ini) {
  namespace fs = std::filesystem;
  fs::copy_file(GameDir() + "Skarveth.dat", dir.Path("Skarveth.dat"));
  fs::create_directories(dir.Path("Maps"));
  for (const auto& entry : fs::directory_iterator(GameDir() + "Maps")) {
    if (entry.path().extension() == ".map")
      fs::copy_file(entry.path(), dir.Path("Maps/" + entry.path().filename().string()));
  }
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

// The game on the null back-ends, started from `programDir` with a clock at 1000 ms. Every
// call the shell routes to a screen is written into `routed` before the screen handles it.
class NullGame : public NullBackEnds {
 public:
  NullGame(const std::string& programDir, std::uint32_t seed) {
    clock.now = 1000;  // the tests' tick times count from here
    desktop.programDir = programDir;
    desktop.timeOfDay = seed;
    app = MakeApplication();
    LogRouting();
  }

  static TInputEvent Event(TInputKind kind, int x = 0, int y = 0, std::uint16_t key = 0) {
    TInputEvent e;
    e.Kind = kind;
    e.X = x;
    e.Y = y;
    e.Key = key;
    e.Character = static_cast<std::uint8_t>(key);
    return e;
  }

  std::unique_ptr<Application> app;
  std::vector<std::string> routed;

 private:
  void LogRouting() {
    const TScreenTable real = GameScreens();
    for (int s = 0; s < 4; ++s) {
      const std::string n = std::to_string(s + 1);
      const TScreenHandlers h = real[s];
      app->Screens[s] = {
          h.Enter,
          [this, n, h](Application& a) {
            routed.push_back(n + " step" +
                             (a.DXDraw->PointerOverDrawingArea() ? "" : " nopointer"));
            if (h.Step) h.Step(a);
          },
          [this, n, h](Application& a, std::uint16_t k) {
            routed.push_back(n + " key " + std::to_string(k));
            if (h.KeyDown) h.KeyDown(a, k);
          },
          [this, n, h](Application& a, std::uint8_t c) {
            routed.push_back(n + " char " + std::to_string(c));
            if (h.KeyPress) h.KeyPress(a, c);
          },
          [this, n, h](Application& a) {
            routed.push_back(n + " click " + std::to_string(a.MousePos.X) + "," +
                             std::to_string(a.MousePos.Y));
            if (h.Click) h.Click(a);
          }};
    }
  }
};

}  // namespace sk::test
