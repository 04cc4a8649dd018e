#include <gtest/gtest.h>

#include <filesystem>

#include "game/shell/ProgramDir.h"
#include "game/play/Random.h"

namespace sk {
namespace {

TEST(Random, DrawsFollowTheLinearCongruence) {
  // seed 1 -> 134775814 -> 3698175007 -> 870078620 -> 1172187917 (worked out by hand)
  Random r(1);
  EXPECT_EQ(r.Draw(1000), 31u);
  EXPECT_EQ(r.Seed(), 134775814u);
  EXPECT_EQ(r.Draw(1000), 861u);
  EXPECT_EQ(r.Draw(8), 1u);
  EXPECT_EQ(r.Draw(0xFFFFFFFFu), 1172187916u);
  Random zero(0);
  EXPECT_EQ(zero.Draw(100), 0u);  // seed becomes 1, and 100 / 2^32 rounds down
  EXPECT_EQ(Random(0xFFFFFFFFu).Draw(1), 0u);
}

TEST(Random, SeedIsTheTimeOfDay) {
  EXPECT_LT(MillisecondsSinceUtcMidnight(), 86'400'000u);
}

TEST(ProgramDir, IsTheFolderOfTheRunningProgram) {
  const std::string dir = FindProgramDir();
  ASSERT_TRUE(dir.ends_with('/'));
  EXPECT_TRUE(std::filesystem::exists(dir + "test_resources"));
}

}  // namespace
}  // namespace sk
