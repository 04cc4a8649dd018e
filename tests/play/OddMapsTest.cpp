#include <gtest/gtest.h>

#include <algorithm>

#include "TestMaps.h"

// Maps the builder would never write, or would write only with odd values: each must play by
// the rules without reading outside a table or picture (the sanitizer build checks that).
namespace sk::test {
namespace {

// Plays `steps` running steps with a shot whenever the railgun is ready, the pointer walking
// over the whole screen and a little beyond its edges.
void PlayAndShoot(GameHarness& h, int steps) {
  h.SkipCountdown();
  for (int step = 0; step < steps && h.Game().MatchState == TMatchState::Running; ++step) {
    h.app->MousePos = {(step * 37) % 700 - 30, (step * 53) % 540 - 30};
    h.Click();
    h.Steps();
  }
}

TEST(OddMaps, APathOfOnlyTheFinalWaypointArrivesInItsFirstStep) {
  GameHarness h("DisableChat=0\n",
                {{"Point.map", MakeMapFile({{}, {{100, 300, 100}}}, {320, 300})}});
  h.Play("Point.map");
  h.SkipCountdown();
  h.Game().WalkingModels[0].Delay = 0;
  h.Game().WalkingModels[1].Delay = 500;
  h.MoveTo(320, 280);
  h.Click();
  h.Steps();
  EXPECT_EQ(h.Game().Health, 90);
  EXPECT_EQ(h.Game().Frags, 0);
  EXPECT_FALSE(h.Game().WalkingModels[0].Active);
  EXPECT_GE(h.Game().WalkingModels[0].Delay, 31);
  EXPECT_LE(h.Game().WalkingModels[0].Delay, 31);  // 31 .. length 1 + 30
  PlayAndShoot(h, 3000);
  EXPECT_EQ(h.Game().MatchState, TMatchState::MatchOver);
}

TEST(OddMaps, EightOverlappingPathsDieTogetherToOneShot) {
  GameHarness h("DisableChat=0\n", {{"Eight.map", WalkMap(8)}});
  h.Play("Eight.map");
  h.SkipCountdown();
  for (std::size_t i = 0; i < 8; ++i) h.Place(i, 20, static_cast<std::int32_t>(i));
  h.MoveTo(140, 290);  // point 20 is (140, 300)
  h.Click();
  h.TakeSounds();
  h.Steps();
  EXPECT_EQ(h.Game().Frags, 8);
  const auto sounds = h.TakeSounds();
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "PlaySample 1 5"), 8);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "PlaySample 4 8"), 1);
  EXPECT_EQ(sounds.back(), "PlaySample 4 8");
  PlayAndShoot(h, 3000);
}

TEST(OddMaps, PathsOffTheScreenAndStandingStillPlayOn) {
  GameHarness h(
      "DisableChat=0\n",
      {{"Odd.map",
        MakeMapFile({{{-300, -200, 30}, {900, 700, 30}}, {{32767, -32768, 5}}, {{320, 300, 40}}},
                    {320, 300})}});
  h.Play("Odd.map");
  PlayAndShoot(h, 4000);
  EXPECT_EQ(h.Game().MatchState, TMatchState::MatchOver);
  EXPECT_EQ(h.Game().Health, 0);
}

TEST(OddMaps, ShotsNearTheEdgesOfAMaskedMapReadOnlyInsideTheLayer) {
  TPicture mask(640, 480, TRgb{255, 255, 255});
  for (int x = 0; x < 640; ++x) mask.At(x, 479) = TRgb{0, 0, 0};
  for (int y = 0; y < 480; ++y) mask.At(639, y) = TRgb{0, 0, 0};
  GameHarness h("DisableChat=0\n", {{"Walk.map", WalkMap(2, &mask)}});
  h.Play("Walk.map");
  PlayAndShoot(h, 1500);
}

}  // namespace
}  // namespace sk::test
