#include <gtest/gtest.h>

#include "tests/balance/BalanceTestMaps.h"
#include "tools/skbalance/BalanceField.h"

namespace sk::balance {
namespace {

using test::StrollPaths;
using test::WriteTestMap;

std::unique_ptr<TBalanceField> LoadField(const std::string& file) {
  std::string problem;
  auto field = TBalanceField::Load(file, problem);
  EXPECT_TRUE(field) << problem;
  return field;
}

TEST(BalanceField, AMapLoadsAsTheGameLoadsItOrSaysWhyNot) {
  TempDir dir;
  const auto field = LoadField(WriteTestMap(dir, "Stroll.map", StrollPaths(), test::kStrollExit));
  ASSERT_TRUE(field);
  EXPECT_EQ(field->Name(), "Test Yard");
  EXPECT_EQ(field->WalkSteps(), std::vector<std::uint32_t>{200});

  dir.Write("Junk.map", "SKARVETH_MAP but nothing more");
  std::string problem;
  EXPECT_FALSE(TBalanceField::Load(dir.Path("Junk.map"), problem));
  EXPECT_FALSE(problem.empty());
  problem.clear();
  EXPECT_FALSE(TBalanceField::Load(dir.Path("Missing.map"), problem));
  EXPECT_FALSE(problem.empty());
}

// Ten walks of 200 steps end the match, each after a respawn wait of 31 to 231 steps and the
// step that brings the model in: 10 * (200 + 1 + 31) to 10 * (200 + 1 + 231) steps from "Fight!".
TEST(BalanceField, AnIdlePlayerLosesAfterTenArrivalsWithoutAFrag) {
  TempDir dir;
  const auto field = LoadField(WriteTestMap(dir, "Stroll.map", StrollPaths(), test::kStrollExit));
  ASSERT_TRUE(field);
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const TMatchResult idle = field->Play(TPlayerKind::Idle, seed);
    EXPECT_FALSE(idle.Capped);
    EXPECT_EQ(idle.Frags, 0);
    EXPECT_GE(idle.Steps, 10 * (200 + 1 + 31)) << seed;
    EXPECT_LE(idle.Steps, 10 * (200 + 1 + 231)) << seed;
  }
}

TEST(BalanceField, APerfectPlayerHoldsALoneWalkerInTheOpenTillTheCap) {
  TempDir dir;
  const auto field = LoadField(WriteTestMap(dir, "Stroll.map", StrollPaths(), test::kStrollExit));
  ASSERT_TRUE(field);
  const TMatchResult perfect = field->Play(TPlayerKind::Perfect, 4, 3000);
  EXPECT_TRUE(perfect.Capped);
  EXPECT_EQ(perfect.Steps, 3000);
  // Each model dies at once, then stays away for at most 231 steps.
  EXPECT_GE(perfect.Frags, 3000 / (231 + 1 + 62));
}

TEST(BalanceField, TheDecentPlayerSeesLateSoRunnersGetByButStandingModelsDie) {
  TempDir dir;
  // Four pixels a step: a quarter of a second late, the box is 60 pixels on, out of reach.
  const auto runner = LoadField(WriteTestMap(dir, "Runner.map", {{{2, 300, 157}}}, {630, 300}));
  // In at (300, 300), and standing there for 1000 steps.
  const auto sentry = LoadField(WriteTestMap(dir, "Sentry.map", {{{300, 300, 1000}}}, {300, 301}));
  ASSERT_TRUE(runner && sentry);
  const TMatchResult missed = runner->Play(TPlayerKind::Decent, 9, 5000);
  EXPECT_FALSE(missed.Capped);
  EXPECT_EQ(missed.Frags, 0);
  const TMatchResult hit = runner->Play(TPlayerKind::Perfect, 9, 5000);
  EXPECT_GT(hit.Frags, 0);
  const TMatchResult held = sentry->Play(TPlayerKind::Decent, 9, 5000);
  EXPECT_TRUE(held.Capped);
  EXPECT_GE(held.Frags, 5000 / (1031 + 17));  // each one within 17 steps of coming in
}

TEST(BalanceField, NobodyShootsThroughScenery) {
  TPicture mask(640, 480, TRgb{255, 255, 255});
  for (int y = 200; y < 310; ++y)
    for (int x = 0; x < 640; ++x) mask.At(x, y) = TRgb{0, 0, 0};
  TempDir dir;
  const auto field =
      LoadField(WriteTestMap(dir, "Hidden.map", StrollPaths(), test::kStrollExit, &mask));
  ASSERT_TRUE(field);
  for (TPlayerKind player : {TPlayerKind::Decent, TPlayerKind::Perfect}) {
    const TMatchResult result = field->Play(player, 2);
    EXPECT_EQ(result.Frags, 0);
    EXPECT_EQ(result.Steps, field->Play(TPlayerKind::Idle, 2).Steps);
  }
}

// A seed is a match: the same one plays the same again, on this field or a fresh one, and
// nothing of the game is written anywhere (no score table above all).
TEST(BalanceField, TheSameSeedPlaysTheSameMatchAndNothingIsWritten) {
  TempDir dir;
  const std::string file =
      WriteTestMap(dir, "Pair.map", {{{40, 300, 150}}, {{600, 320, 150}}}, {320, 280});
  const auto field = LoadField(file);
  ASSERT_TRUE(field);
  for (TPlayerKind player : {TPlayerKind::Idle, TPlayerKind::Decent, TPlayerKind::Perfect}) {
    const TMatchResult first = field->Play(player, 11, 4000);
    const TMatchResult again = field->Play(player, 11, 4000);
    const TMatchResult fresh = LoadField(file)->Play(player, 11, 4000);
    EXPECT_EQ(again.Steps, first.Steps);
    EXPECT_EQ(again.Frags, first.Frags);
    EXPECT_EQ(fresh.Steps, first.Steps);
    EXPECT_EQ(fresh.Frags, first.Frags);
  }
  EXPECT_NE(field->Play(TPlayerKind::Idle, 11).Steps, field->Play(TPlayerKind::Idle, 12).Steps);
  EXPECT_EQ(dir.Count(), 1);
}

}  // namespace
}  // namespace sk::balance
