// SKDEMOGEN GAME_DIR OUT_DIR: records the demo suite. Each demo is a session played by a
// scripted player on the null back-ends against the archive and maps of GAME_DIR, recorded by
// the game's own recorder; OUT_DIR/<name>.txt receives it. What happened in each session is
// printed, so a script that no longer reaches its goal (a double kill, say) shows at once.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "game/demo/DemoFiles.h"
#include "game/demo/DemoRecorder.h"
#include "game/frontend/SKMenu.h"
#include "game/shell/SKInit.h"
#include "platform/null/HeadlessHost.h"
#include "tools/demogen/DemoBot.h"

namespace {

namespace fs = std::filesystem;
using namespace sk;
using namespace sk::demogen;

// Menu buttons, as the menu lays them out.
constexpr int kPlay[] = {220, 200, 420, 235};
constexpr int kCredits[] = {220, 260, 420, 295};
constexpr int kExit[] = {220, 320, 420, 355};
constexpr int kYes[] = {220, 200, 420, 235};
constexpr int kBack[] = {40, 400, 200, 435};
constexpr int kNext[] = {440, 400, 600, 435};
constexpr int kScores[] = {240, 400, 400, 435};
constexpr int kFight[] = {440, 400, 600, 435};
constexpr int kScrollUp[] = {565, 100, 600, 135};
constexpr int kScrollDown[] = {565, 345, 600, 380};

std::vector<Step> Press(const int (&b)[4]) { return sk::demogen::Press(b[0], b[1], b[2], b[3]); }
std::vector<Step> Row(int i) { return sk::demogen::Press(40, 100 + 35 * i, 565, 135 + 35 * i); }

void Append(std::vector<Step>& to, std::vector<Step> steps) {
  for (Step& s : steps) to.push_back(std::move(s));
}

bool OnMenuPage(const Application& app, std::uint8_t page) {
  return app.ScreenState == kScreenMenu && MenuRecord(app).MenuPage == page;
}

std::vector<Step> QuitFromMenu() {
  std::vector<Step> s = {Do([](Bot& bot) { bot.Key(kVkEscape); }), Wait(40)};
  Append(s, Press(kYes));
  return s;
}

std::vector<Step> IntroAndCredits() {
  std::vector<Step> s = {
      Until([](const Application& app) { return app.ScreenState == kScreenMenu; }), Wait(60)};
  Append(s, Press(kCredits));
  s.push_back(Until([](const Application& app) { return app.ScreenState == kScreenMenu; }));
  s.push_back(Wait(60));
  Append(s, Press(kExit));
  Append(s, Press(kYes));
  return s;
}

std::vector<Step> MenuWalk() {
  std::vector<Step> s = {Wait(40)};
  Append(s, Press(kPlay));
  for (int i = 0; i < 30; ++i) {
    s.push_back(Do([](Bot& bot) { bot.Key(kVkBack); }));
    s.push_back(Wait(3));
  }
  s.push_back(Do([](Bot& bot) { bot.Type("^3Demo ^5Walker"); }));
  s.push_back(Wait(60));
  Append(s, Press(kNext));
  Append(s, Row(1));
  Append(s, Row(2));
  Append(s, Press(kScrollDown));
  Append(s, Press(kScrollDown));
  Append(s, Press(kScrollUp));
  Append(s, Row(0));
  Append(s, Press(kScores));
  s.push_back(Wait(90));
  Append(s, Press(kBack));
  Append(s, Row(1));
  Append(s, Press(kScores));
  s.push_back(Wait(60));
  Append(s, Press(kBack));
  Append(s, Press(kBack));  // to the name page and forward again
  Append(s, Press(kNext));
  s.push_back(Do([](Bot& bot) { bot.Key(kVkEscape); }));  // the exit question, then back
  s.push_back(Wait(40));
  s.push_back(Do([](Bot& bot) { bot.Key(kVkEscape); }));
  s.push_back(Wait(40));
  Append(s, QuitFromMenu());
  return s;
}

std::vector<Step> Match(int row) {
  std::vector<Step> s = {Wait(30)};
  Append(s, Press(kPlay));
  Append(s, Press(kNext));
  Append(s, Row(row));
  Append(s, Press(kFight));
  s.push_back(PlayMatch(MatchPlan{}));
  s.push_back(Until([](const Application& app) { return OnMenuPage(app, kMenuPageMaps); }));
  s.push_back(Wait(60));
  Append(s, QuitFromMenu());
  return s;
}

// A model shot in the step it enters, then Escape out of the running match.
std::vector<Step> SpawnKill() {
  std::vector<Step> s = {Wait(30)};
  Append(s, Press(kPlay));
  Append(s, Press(kNext));
  Append(s, Row(2));
  Append(s, Press(kFight));
  s.push_back(ShootAModelAsItEnters());
  s.push_back(Wait(40));
  s.push_back(Do([](Bot& bot) { bot.Key(kVkEscape); }));
  s.push_back(Until([](const Application& app) { return OnMenuPage(app, kMenuPageMaps); }));
  s.push_back(Wait(60));
  Append(s, QuitFromMenu());
  return s;
}

std::vector<Step> TestSession() {
  MatchPlan plan;
  plan.testMode = true;
  plan.kills = 6;
  plan.pauseAfter = 300;
  plan.pauseLength = 60;
  plan.testTicks = 900;
  return {Wait(20), PlayMatch(plan)};
}

struct DemoCase {
  const char* name;
  const char* settings;
  std::uint32_t seed;
  std::vector<Step> script;
};

bool Record(const std::string& gameDir, const std::string& outDir, DemoCase demoCase) {
  // A fresh player's folder: the game's archive and maps, no scores, the case's settings.
  char pattern[] = "/tmp/skdemogen.XXXXXX";
  const std::string dir = std::string(::mkdtemp(pattern)) + "/";
  fs::copy_file(gameDir + "Skarveth.dat", dir + "Skarveth.dat");
  fs::create_directories(dir + "Maps");
  for (const auto& entry : fs::directory_iterator(gameDir + "Maps")) {
    if (entry.path().extension() == ".map")
      fs::copy_file(entry.path(), dir + "Maps/" + entry.path().filename().string());
  }
  std::ofstream(dir + "Skarveth.ini") << "[Skarveth Configuration]\nFullScreen=0\n"
                                      << demoCase.settings;
  // A test map is named relative to the folder the game starts in: the game folder.
  const fs::path cwd = fs::current_path();
  fs::current_path(dir);

  THeadlessHost host(gameDir + "DejaVuSans-Bold.ttf");
  host.desktop.programDir = dir;
  host.desktop.timeOfDay = demoCase.seed;
  const TGamePaths paths = ReadyToPlayPaths(dir);
  TDemoRecorder recorder(BeginDemo(paths, ReadStartSettings(paths, {}), demoCase.seed));
  std::vector<std::string> checkpoints;
  {
    Application app(host.Services());
    recorder.Attach(app);
    RunScript(app, std::move(demoCase.script), 40000, checkpoints);
  }
  fs::current_path(cwd);
  fs::remove_all(dir);
  const std::string text = recorder.Text();
  const std::string file = outDir + "/" + demoCase.name + ".txt";
  const bool written = ReplaceFileAtomically(
      file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  std::printf("== %s: %u ticks%s\n", demoCase.name, recorder.Tick(),
              written ? "" : " (NOT WRITTEN)");
  for (const std::string& line : checkpoints) std::printf("   %s\n", line.c_str());
  for (const std::string& box : host.desktop.errorBoxes)
    std::printf("   error box: %s\n", box.c_str());
  return written && host.desktop.errorBoxes.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: SKDEMOGEN GAME_DIR OUT_DIR\n");
    return 2;
  }
  // Absolute: the test-mode session runs in another folder.
  std::string gameDir = fs::absolute(argv[1]).string();
  if (!gameDir.ends_with('/')) gameDir += '/';
  const std::string outDir = argv[2];
  std::vector<DemoCase> cases;
  cases.push_back({"intro_credits", "SkipIntro=0\n", 1001, IntroAndCredits()});
  cases.push_back({"menu_walk", "SkipIntro=1\n", 1002, MenuWalk()});
  for (int row = 0; row < 3; ++row) {
    const char* names[] = {"match_map1", "match_map2", "match_map3"};
    cases.push_back(
        {names[row], "SkipIntro=1\n", 2001 + static_cast<std::uint32_t>(row), Match(row)});
  }
  cases.push_back({"spawn_kill", "SkipIntro=1\n", 2004, SpawnKill()});
  cases.push_back({"test_mode", "TestMap=Maps/ReactorCore.map\n", 3001, TestSession()});
  bool ok = true;
  for (DemoCase& c : cases) ok = Record(gameDir, outDir, std::move(c)) && ok;
  return ok ? 0 : 1;
}
