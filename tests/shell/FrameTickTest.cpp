#include <gtest/gtest.h>

#include "game/shell/FrameTimer.h"
#include "game/shell/MessageLoop.h"
#include "support/Harness.h"

namespace sk::test {
namespace {

// A whole session on the menu with a fake clock: every tick is one flip of the menu's frame.
struct Session {
  explicit Session(const std::string& frameDelay, std::uint32_t start = 5000)
      : h("[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\nFrameDelay=" + frameDelay + "\n") {
    h.clock.now = start;
  }
  void CloseAt(std::uint32_t offset) {
    h.events.At(h.clock.now + offset, Harness::Simple(TInputKind::Close));
  }
  Harness h;
};

// Ten seconds of the message loop at a frame delay, from a clock start: the flips and the
// frame rate counted.
TEST(FrameTick, TenSecondsGiveAtMostOneTickPerDelay) {
  struct TCase {
    const char* Delay;
    std::uint32_t Start;
    int Flips, FrameRate;
  };
  // Ticks at 16, 32, ..., 9984 ms after the timer started; the close comes first at 10000.
  // 63 ticks in the first 1008 ms window: 62.5, rounded to even. The clock may wrap around.
  for (const TCase& c : {TCase{"16", 5000, 624, 62}, TCase{"100", 5000, 99, 10},
                         TCase{"16", 0xFFFFFFFFu - 3000, 624, 62}}) {
    SCOPED_TRACE(std::string(c.Delay) + " ms from " + std::to_string(c.Start));
    Session s(c.Delay, c.Start);
    s.CloseAt(10000);
    EXPECT_EQ(s.h.Run(), 0);
    EXPECT_EQ(s.h.display->FlipCount, c.Flips);
    EXPECT_EQ(s.h.app->DXTimer.FrameRate, c.FrameRate);
  }
}

TEST(FrameTick, TheLoopSleepsBetweenTicksInsteadOfPolling) {
  Session s("16");
  s.CloseAt(1000);
  s.h.Run();
  // One wait per tick (and one that the close ends), never a busy round.
  EXPECT_EQ(s.h.display->FlipCount, 62);
  EXPECT_LE(s.h.events.waits, 64);
}

TEST(FrameTick, FrameRateIsZeroUntilTheFirstWholeSecond) {
  TFrameTimer t;
  SetTimerInterval(t, 16);
  EnableTimer(t, 100);
  for (std::uint32_t now = 116; now <= 1092; now += 16) ASSERT_TRUE(PollTimer(t, now));
  EXPECT_EQ(t.FrameRate, 0);
  EXPECT_TRUE(PollTimer(t, 1108));  // the 63rd tick closes a 1008 ms window
  EXPECT_EQ(t.FrameRate, 62);
  // The rate then changes at most once per window.
  EXPECT_TRUE(PollTimer(t, 1200));
  EXPECT_EQ(t.FrameRate, 62);
}

TEST(FrameTick, IntervalAndLagRules) {
  TFrameTimer t;
  SetTimerInterval(t, -7);
  EXPECT_EQ(t.Interval, 0u);
  EnableTimer(t, 50);
  EXPECT_EQ(PollTimer(t, 50), 1u);  // delay 0 ticks on every poll, lag at least 1
  EXPECT_EQ(PollTimer(t, 50), 1u);
  SetTimerInterval(t, 16);
  EXPECT_FALSE(PollTimer(t, 65));
  EXPECT_EQ(TimeUntilTick(t, 65), 1u);
  EXPECT_EQ(PollTimer(t, 100), 3u);  // 50 ms late: lag 3, still one tick
  EXPECT_FALSE(PollTimer(t, 101));
  DisableTimer(t);
  EXPECT_FALSE(PollTimer(t, 10000));
}

TEST(FrameTick, NoTicksWhileInactiveAndNoBurstAfterwards) {
  Session s("16");
  const std::uint32_t t0 = s.h.clock.now;
  s.h.events.At(t0 + 1000, Harness::Simple(TInputKind::FocusLost));
  s.h.events.At(t0 + 5000, Harness::Simple(TInputKind::FocusGained));
  s.h.events.At(t0 + 5010, Harness::Key('A'));  // just to look at the count
  s.CloseAt(6000);
  s.h.RecordRouting();
  s.h.app->Screens[kScreenMenu - 1].KeyDown = [&](Application&, std::uint16_t) {
    EXPECT_EQ(s.h.routed.size(), 62u);  // nothing happened in the four inactive seconds
  };
  s.h.Run();
  // 62 ticks before the focus went (16 ... 992 ms), then 5016 ... 5992 after it came back.
  EXPECT_EQ(s.h.routed.size(), 62u + 62u);
  EXPECT_EQ(s.h.routed[62], "2 step");
  EXPECT_EQ(s.h.routedAt[62], t0 + 5016);
}

}  // namespace
}  // namespace sk::test
