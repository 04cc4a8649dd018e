#include <gtest/gtest.h>

#include <tuple>

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

// The stroll (BalanceTestMaps.h) loaded into a field.
struct Stroll : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(field); }
  TempDir dir;
  std::unique_ptr<TBalanceField> field =
      LoadField(WriteTestMap(dir, "Stroll.map", StrollPaths(), test::kStrollExit));
};

TEST_F(Stroll, AMapLoadsAsTheGameLoadsItOrSaysWhyNot) {
  EXPECT_EQ(field->Name(), "Test Yard");
  EXPECT_EQ(field->WalkSteps(), std::vector<std::uint32_t>{200});
  dir.Write("Junk.map", "SKARVETH_MAP but nothing more");
  for (const char* bad : {"Junk.map", "Missing.map"}) {
    std::string problem;
    EXPECT_FALSE(TBalanceField::Load(dir.Path(bad), problem)) << bad;
    EXPECT_FALSE(problem.empty()) << bad;
  }
}

// Ten walks of 200 steps end the match, each after a respawn wait of 31 to 231 steps and the
// step that brings the model in: 10 * (200 + 1 + 31) to 10 * (200 + 1 + 231) steps from "Fight!".
TEST_F(Stroll, AnIdlePlayerLosesAfterTenArrivalsWithoutAFrag) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const TMatchResult idle = field->Play(TPlayerKind::Idle, seed);
    EXPECT_FALSE(idle.Capped);
    EXPECT_EQ(idle.Frags, 0);
    EXPECT_GE(idle.Steps, 10 * (200 + 1 + 31)) << seed;
    EXPECT_LE(idle.Steps, 10 * (200 + 1 + 231)) << seed;
  }
}

TEST_F(Stroll, APerfectPlayerHoldsALoneWalkerInTheOpenTillTheCap) {
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
    for (const auto& replay :
         {field->Play(player, 11, 4000), LoadField(file)->Play(player, 11, 4000)})
      EXPECT_EQ(std::tie(replay.Steps, replay.Frags), std::tie(first.Steps, first.Frags));
  }
  EXPECT_NE(field->Play(TPlayerKind::Idle, 11).Steps, field->Play(TPlayerKind::Idle, 12).Steps);
  EXPECT_EQ(dir.Count(), 1);
}

}  // namespace
}  // namespace sk::balance
