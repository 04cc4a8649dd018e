#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "game/demo/Checkpoints.h"
#include "game/demo/DemoFiles.h"
#include "game/demo/DemoPlayer.h"
#include "game/demo/DemoRecorder.h"
#include "game/maps/SKScore.h"
#include "game/platform/InputEvent.h"
#include "game/shell/MessageLoop.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

constexpr std::uint32_t kSeed = 424242;
// Ticks come every 16 ms from the first one at 1016 ms: tick n runs at 1016 + 16 n.
constexpr std::uint32_t TickTime(std::uint32_t n) { return 1016 + 16 * n; }

// The recorder, watched the way a playback is watched, so both runs can be compared.
class WatchedRecorder : public DemoTap {
 public:
  explicit WatchedRecorder(TDemoRecorder& recorder) : recorder_(recorder) {}
  std::vector<std::string> lines;
  std::vector<std::uint64_t> frames;
  TFrameDigest digest;

  bool BeforeEvent(Application& app, const TInputEvent& e) override {
    return recorder_.BeforeEvent(app, e);
  }
  void AfterEvent(Application& app) override { watch_.Observe(app, recorder_.Tick(), lines); }
  bool BeforeTick(Application& app) override {
    watch_.Observe(app, recorder_.Tick(), lines);
    return recorder_.BeforeTick(app);
  }
  void AfterTick(Application& app) override {
    watch_.Observe(app, recorder_.Tick(), lines);
    frames.push_back(FramePrint(app.Graphics.BackSurface));
    if (auto line = digest.Add(recorder_.Tick(), app.Graphics.BackSurface)) lines.push_back(*line);
    recorder_.AfterTick(app);
  }

 private:
  TDemoRecorder& recorder_;
  TCheckpointWatch watch_;
};

struct Playback {
  std::vector<std::string> lines;
  std::vector<std::uint64_t> frames;
  std::vector<std::string> routed;
  bool finished = false;
  bool interrupted = false;
  std::string refusal;
  int fullScreenSwitches = 0;  // how often the viewer's display went to full screen
};

// Plays `demo` from a sandbox of `playerDir`; `real` events arrive as if from the player.
Playback Play(const TDemo& demo, const std::string& playerDir,
              const std::vector<std::pair<std::uint32_t, TInputEvent>>& real = {},
              const std::function<void(TDemoPlayer&, Application&)>& prepare = {}) {
  Playback result;
  std::string error;
  const auto sandbox = TDemoSandbox::Create(demo, ReadyToPlayPaths(playerDir), TSettings{}, error);
  EXPECT_TRUE(sandbox) << error;
  if (!sandbox) return result;
  NullGame game(sandbox->ProgramDir(), demo.Seed);
  for (const auto& [time, event] : real) game.events.At(time, event);
  TDemoPlayer player(demo, [&](const std::string& line) { result.lines.push_back(line); });
  player.AfterFrame = [&](std::uint32_t, const TSurface& frame) {
    result.frames.push_back(FramePrint(frame));
  };
  player.Attach(*game.app);
  if (prepare) prepare(player, *game.app);
  RunApplication(*game.app);
  result.routed = game.routed;
  result.finished = player.Finished();
  result.interrupted = player.Interrupted();
  result.refusal = player.Refusal();
  result.fullScreenSwitches = game.display->PlacementSaves;
  return result;
}

TDemo Parse(const std::string& text) {
  const TDemoReadResult read = ParseDemoText(text);
  EXPECT_TRUE(read.Demo) << read.Error;
  return read.Demo.value_or(TDemo{});
}

// A session through the menu into a match and out again, recorded and played back: the
// screens receive the same calls in the same ticks, every frame is the same, and so are the
// checkpoints.
TEST(DemoPlaybackTest, ARecordedSessionPlaysBackExactly) {
  TempDir player;
  MakePlayerFolder(player, "[Skarveth Configuration]\nSkipIntro=1\nFullScreen=0\n");
  NullGame game(player.Root(), kSeed);
  using K = TInputKind;
  std::vector<std::pair<std::uint32_t, TInputEvent>> script = {
      {1000, Harness::Move(700, 10)},  // outside: nothing happens, nothing recorded
      {TickTime(3) + 5, Harness::Move(320, 217)},
      {TickTime(4), Harness::Click(TMouseButton::Left, 320, 217)},  // "Play Skarveth"
      {TickTime(30), Harness::Move(520, 417)},
      {TickTime(31), Harness::Click(TMouseButton::Left, 520, 417)},  // "Next >"
      {TickTime(60), Harness::Click(TMouseButton::Left, 520, 417)},  // "Fight! >"
      {TickTime(61), Harness::Char('x')},
  };
  // Shots all over the field while the models walk, a pause, then back to the maps.
  for (std::uint32_t n = 0; n < 16; ++n) {
    const int x = static_cast<int>(40 + n * 37 % 560), y = static_cast<int>(150 + n * 53 % 300);
    script.push_back({TickTime(320 + 63 * n) + 3, Harness::Move(x, y)});
    script.push_back({TickTime(320 + 63 * n) + 4, Harness::Click(TMouseButton::Left, x, y)});
    if (n == 6) script.push_back({TickTime(320 + 63 * n) + 9, Harness::Key(kVkPause)});
    if (n == 7) script.push_back({TickTime(320 + 63 * n) + 9, Harness::Key(65)});
    // Full screen and back in one tick, once more later: the pointer goes to the corner.
    if (n == 3 || n == 9) {
      const TInputEvent altEnter = Harness::Key(kVkReturn, kAlt);
      script.push_back({TickTime(320 + 63 * n) + 10, altEnter});
      if (n == 3) script.push_back({TickTime(320 + 63 * n) + 11, altEnter});
    }
  }
  script.push_back({TickTime(1450), Harness::Key(kVkEscape)});
  script.push_back({TickTime(1500), Harness::Simple(K::Close)});
  for (const auto& [time, event] : script) game.events.At(time, event);
  TDemoRecorder recorder(BeginDemoIn(player.Root(), kSeed));
  WatchedRecorder watched(recorder);
  game.app->Demo = &watched;
  RunApplication(*game.app);
  const std::string text = recorder.Text();
  const auto before = Snapshot(player.Path());

  const TDemo demo = Parse(text);
  EXPECT_EQ(demo.Seed, kSeed);
  EXPECT_EQ(demo.EndTick, 1499u);  // each switch restarted the frame timer: one tick fewer
  ASSERT_EQ(demo.Events.size(), script.size() - 1) << text;
  EXPECT_EQ(FormatDemoEvent(demo.Events[0]), "4 move 320 217\n");  // between ticks 3 and 4
  EXPECT_EQ(FormatDemoEvent(demo.Events[1]),
            "4 click 320 217\n");  // due together with tick 4, first
  EXPECT_EQ(FormatDemoEvent(demo.Events.back()), "1499 close\n");
  const std::string lines = ::testing::PrintToString(watched.lines);
  EXPECT_NE(lines.find("60 match \\\"CanyonRelay.map\\\""), std::string::npos) << lines;
  EXPECT_NE(lines.find(" arrival entry "), std::string::npos) << lines;

  ASSERT_EQ(game.display->PlacementSaves, 2);  // the recorded session did switch

  const Playback played = Play(demo, player.Root());
  EXPECT_TRUE(played.finished);
  EXPECT_EQ(played.fullScreenSwitches, 0);  // the viewer's display is the viewer's
  EXPECT_EQ(played.routed, game.routed);
  EXPECT_EQ(played.frames, watched.frames);
  ASSERT_EQ(played.lines.size(), watched.lines.size() + 1);
  EXPECT_EQ(std::vector(played.lines.begin(), played.lines.end() - 1), watched.lines);
  EXPECT_EQ(played.lines.back(), "1499 final frame " + FrameHash(game.app->Graphics.BackSurface) +
                                     " frames " + watched.digest.Hex());
  // The playback saved its name and any score into its own folder, never the player's.
  EXPECT_EQ(Snapshot(player.Path()), before);
}

// What a tick stamp means: the events of tick n reach the screens after step n - 1 and
// before step n; the pointer and undrawable frames follow the recording too.
TEST(DemoPlaybackTest, EventsArriveBeforeTheTickTheyAreStampedWith) {
  TempDir player;
  MakePlayerFolder(player, "[Skarveth Configuration]\nSkipIntro=1\n");
  const TDemo recorded = BeginDemoIn(player.Root(), kSeed);
  const TDemo demo = Parse(FormatDemoHead(recorded) +
                           "0 key A\n"
                           "2 move 5 6\n2 click 7 8\n2 pointer out\n"
                           "3 nodraw\n"
                           "4 char \\xE9\n4 pointer in\n"
                           "end 5\n");
  const Playback played = Play(demo, player.Root());
  EXPECT_TRUE(played.finished);
  const std::vector<std::string> expected = {
      "2 key 65", "2 step", "2 step", "2 click 5,6", "2 step nopointer", "2 char 233", "2 step"};
  EXPECT_EQ(played.routed, expected);
  EXPECT_EQ(played.frames.size(), 5u);  // the undrawn tick counts all the same
  EXPECT_EQ(played.lines.front(), "0 screen menu page 0");
  EXPECT_TRUE(played.lines.back().starts_with("5 final frame "));
}

// A window that cannot draw for a while (its device lost) holds the playback: no recorded tick
// is skipped, so the session goes on exactly as recorded.
TEST(DemoPlaybackTest, AWindowThatCannotDrawHoldsThePlayback) {
  TempDir player;
  MakePlayerFolder(player, "[Skarveth Configuration]\nSkipIntro=1\n");
  const TDemo demo = Parse(FormatDemoHead(BeginDemoIn(player.Root(), kSeed)) +
                           "2 move 320 217\n3 click 320 217\n6 char x\nend 9\n");
  const Playback calm = Play(demo, player.Root());

  class LosingDisplay : public DemoTap {
   public:
    LosingDisplay(TDemoPlayer& player, TNullDisplay*& display)
        : player_(player), display_(display) {}
    bool BeforeEvent(Application& app, const TInputEvent& e) override {
      return player_.BeforeEvent(app, e);
    }
    void AfterEvent(Application& app) override { player_.AfterEvent(app); }
    bool BeforeTick(Application& app) override {
      // Lost at the fourth tick, back four ticks later.
      if (++calls_ == 4) display_->LoseSurfaces();
      display_->RestoreFails = calls_ >= 4 && calls_ < 8;
      return player_.BeforeTick(app);
    }
    void AfterTick(Application& app) override { player_.AfterTick(app); }

   private:
    TDemoPlayer& player_;
    TNullDisplay*& display_;
    int calls_ = 0;
  };
  std::string error;
  const auto sandbox =
      TDemoSandbox::Create(demo, ReadyToPlayPaths(player.Root()), TSettings{}, error);
  ASSERT_TRUE(sandbox) << error;
  NullGame game(sandbox->ProgramDir(), demo.Seed);
  std::vector<std::string> lines;
  TDemoPlayer playerTap(demo, [&](const std::string& line) { lines.push_back(line); });
  playerTap.Attach(*game.app);
  LosingDisplay losing(playerTap, game.display);
  game.app->Demo = &losing;
  RunApplication(*game.app);
  EXPECT_TRUE(playerTap.Finished());
  EXPECT_EQ(game.routed, calm.routed);
  EXPECT_EQ(lines, calm.lines);
}

TEST(DemoPlaybackTest, RealInputIsHeldBackAndEscapeStopsThePlayback) {
  TempDir player;
  MakePlayerFolder(player, "[Skarveth Configuration]\nSkipIntro=1\nName=Ann\n");
  const TDemo demo =
      Parse(FormatDemoHead(BeginDemoIn(player.Root(), kSeed)) + "1 key B\nend 100\n");
  using K = TInputKind;
  const Playback stopped = Play(demo, player.Root(),
                                {{TickTime(2) + 1, Harness::Key(65)},
                                 {TickTime(2) + 2, Harness::Move(50, 50)},
                                 {TickTime(2) + 3, Harness::Click(TMouseButton::Left, 50, 50)},
                                 {TickTime(2) + 4, Harness::Char('q')},
                                 {TickTime(4) + 1, Harness::Key(kVkEscape)}});
  EXPECT_FALSE(stopped.finished);
  EXPECT_TRUE(stopped.interrupted);
  const std::vector<std::string> expected = {"2 step", "2 key 66", "2 step",
                                             "2 step", "2 step",   "2 step"};
  EXPECT_EQ(stopped.routed, expected);
  EXPECT_EQ(stopped.lines, std::vector<std::string>{"0 screen menu page 0"});
  // Closing the window stops it the same way.
  const Playback closed = Play(demo, player.Root(), {{TickTime(1) + 1, Harness::Simple(K::Close)}});
  EXPECT_TRUE(closed.interrupted);
  EXPECT_EQ(closed.routed.size(), 3u);
}

// A demo asking for more screen changes than any session makes is stopped, saying why; a
// stop asked for from outside ends even a tick of a hundred thousand events within moments.
TEST(DemoPlaybackTest, PlaybacksEndWhenTheDemoAsksTooMuchOrAStopIsAsked) {
  TempDir player;
  MakePlayerFolder(player, "[Skarveth Configuration]\nSkipIntro=1\n");
  const std::string head = FormatDemoHead(BeginDemoIn(player.Root(), kSeed));
  const TDemo walk = Parse(head + "2 move 320 217\n3 click 320 217\n9 key A\nend 20\n");
  const Playback refused = Play(walk, player.Root(), {}, [](TDemoPlayer&, Application& app) {
    app.ScreenEntries = kMaxDemoScreenEntries - 1;  // the menu's entry makes it the last
  });
  EXPECT_TRUE(refused.refusal.empty()) << refused.refusal;
  EXPECT_TRUE(refused.finished);
  const TDemo credits = Parse(head + "2 move 320 277\n3 click 320 277\n4 key Escape\nend 20\n");
  const Playback more = Play(credits, player.Root(), {}, [](TDemoPlayer&, Application& app) {
    app.ScreenEntries = kMaxDemoScreenEntries - 1;
  });
  EXPECT_EQ(more.refusal,
            "the demo enters screens more than 10000 times (by tick 3); no session does, and a "
            "recording stops before that");
  EXPECT_TRUE(more.interrupted);
  EXPECT_EQ(more.lines.back(), "3 screen credits");

  // A recording stops growing before its playback would be refused.
  NullGame game(player.Root(), kSeed);
  game.events.At(TickTime(2), Harness::Move(320, 277));
  game.events.At(TickTime(3), Harness::Click(TMouseButton::Left, 320, 277));
  game.events.At(TickTime(9), Harness::Simple(TInputKind::Close));
  TDemoRecorder recorder(BeginDemoIn(player.Root(), kSeed));
  recorder.Attach(*game.app);
  game.app->ScreenEntries = kMaxDemoScreenEntries - 3;  // the menu at start-up, then credits
  RunApplication(*game.app);
  EXPECT_TRUE(recorder.Full());
  const Playback recorded =
      Play(Parse(recorder.Text()), player.Root(), {},
           [](TDemoPlayer&, Application& app) { app.ScreenEntries = kMaxDemoScreenEntries - 3; });
  EXPECT_TRUE(recorded.finished) << recorded.refusal;

  std::string storm = head;
  for (int i = 0; i < 100000; ++i) storm += "1 move " + std::to_string(i % 640) + " 5\n";
  int asked = 0;
  const Playback stopped =
      Play(Parse(storm + "end 2\n"), player.Root(), {},
           [&](TDemoPlayer& p, Application&) { p.StopRequested = [&] { return ++asked == 3; }; });
  EXPECT_TRUE(stopped.interrupted);
  EXPECT_EQ(asked, 3);  // tick 0, tick 1, then after 256 of its events
  EXPECT_EQ(stopped.frames.size(), 1u);
}

}  // namespace
}  // namespace sk::test
