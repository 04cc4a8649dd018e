// A notice (a score or the settings not saved) stands at the foot of one menu page.
#include <gtest/gtest.h>

#include "MenuHarness.h"
#include "game/frontend/SKMenu.h"
#include "render/RenderTestSupport.h"

namespace sk::test {
namespace {

constexpr std::uint16_t kGrey = MatchColor(0x808080);
constexpr std::uint16_t kDarkRed = MatchColor(0x800000);
constexpr TRect kNoticeBox{40, 444, 590, 472};

TEST(MenuNotice, StandsOnTheNextPageShownAndGoesWhenThePlayerLeavesIt) {
  MenuHarness h;
  h.ShowPage(kMenuPageMaps);
  h.Frame();
  EXPECT_EQ(CountOther(h, kNoticeBox, kGrey), 0);  // nothing is drawn there otherwise

  ShowMenuNotice(h.Menu(), "Your score was not saved: No space left on device.");
  h.Frame();
  h.Frame();
  // A dark red box with the text inside, on the page it first appeared on.
  EXPECT_GT(CountPixel(h, kNoticeBox, kDarkRed), 5000);
  EXPECT_GT(CountOther(h, TRect{100, 450, 530, 466}, kDarkRed), 100);
  EXPECT_EQ(h.Menu().NoticePage, kMenuPageMaps);

  h.ShowPage(kMenuPageScores);
  h.Frame();
  EXPECT_EQ(CountOther(h, kNoticeBox, kGrey), 0);
  h.ShowPage(kMenuPageMaps);
  h.Frame();
  EXPECT_EQ(CountOther(h, kNoticeBox, kGrey), 0);
  EXPECT_EQ(h.Menu().Notice, "");
}

TEST(MenuNotice, LeavingTheMenuForAMatchEndsAShownNoticeButNotAWaitingOne) {
  MenuHarness h;
  ShowMenuNotice(h.Menu(), "waiting");
  LeaveMenuNotice(h.Menu());  // not shown yet: it waits for the next page
  EXPECT_EQ(h.Menu().Notice, "waiting");
  h.Frame();
  LeaveMenuNotice(h.Menu());
  EXPECT_EQ(h.Menu().Notice, "");
}

}  // namespace
}  // namespace sk::test
