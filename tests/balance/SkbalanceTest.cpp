#include <gtest/gtest.h>

#include "support/Process.h"
#include "tests/balance/BalanceTestMaps.h"
#include "tools/skbalance/BalanceReport.h"

namespace sk::balance {
namespace {

TEST(BalanceReport, MatchesSumUpInSecondsOfSixteenMillisecondSteps) {
  const TPlayerFigures f = SumUp({{625, 3, false}, {1250, 5, true}, {750, 7, false}});
  EXPECT_EQ(f.Matches, 3);
  EXPECT_EQ(f.Capped, 1);
  EXPECT_DOUBLE_EQ(f.MinSeconds, 10.0);
  EXPECT_DOUBLE_EQ(f.MaxSeconds, 20.0);
  EXPECT_DOUBLE_EQ(f.MeanSeconds, 14.0);
  EXPECT_DOUBLE_EQ(f.MeanFrags, 5.0);
  EXPECT_EQ(SumUp({}).Matches, 0);
}

TEST(BalanceReport, OneTableRowPerMapWithEveryPlayersFigures) {
  TMapFigures yard{"Yard (Easy)",
                   {125, 250, 200},
                   SumUp({{1000, 0, false}}),
                   SumUp({{9375, 80, false}, {12500, 90, false}}),
                   SumUp({{37500, 600, true}, {37500, 620, true}})};
  TMeasureOptions options;
  options.FirstSeed = 5;
  options.Seeds = 2;
  const std::string table = FormatTable({yard, yard}, options);
  const std::string row =
      "| Yard (Easy) | 3 | 2.0-4.0 | 16.0 (16.0-16.0) | 175.0 (150.0-200.0) | 85.0 | "
      "600.0 (600.0-600.0), 2 at the cap | 610.0 |\n";
  EXPECT_EQ(table.find("| Map | Paths | Walks (s) | Idle (s) | Decent (s) | Decent frags | "
                       "Perfect (s) | Perfect frags |\n|---|"),
            0u)
      << table;
  EXPECT_NE(table.find(row + row + "\n"), std::string::npos) << table;
  EXPECT_NE(table.find("of 2 matches per player, seeds 5-6; a match stops at the cap of 600 s."),
            std::string::npos)
      << table;
}

// SKBALANCE run with `args`, what it says on its error stream kept apart from its table.
ProcessResult RunSkbalance(const std::string& args) {
  return RunProcess("'" SK_SKBALANCE "' " + args, StandardError::Separate);
}

TEST(Skbalance, PrintsTheSameTableForTheSameSeedsAndNamesWhatItCannotLoad) {
  TempDir dir;
  const std::string map =
      test::WriteTestMap(dir, "Stroll.map", test::StrollPaths(), test::kStrollExit);
  const std::string args = "--seeds 2 --first-seed 7 '" + map + "'";
  const ProcessResult first = RunSkbalance(args);
  EXPECT_EQ(first.status, 0) << first.error;
  EXPECT_NE(first.output.find("| Test Yard | 1 | 3.2-3.2 | "), std::string::npos) << first.output;
  EXPECT_NE(first.output.find("of 2 matches per player, seeds 7-8;"), std::string::npos);
  EXPECT_EQ(RunSkbalance(args).output, first.output);

  // A bad map among good ones: the others are measured, the status says something failed.
  const ProcessResult bad = RunSkbalance("--seeds 1 '" + dir.Path("None.map") + "' '" + map + "'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.error.find("SKBALANCE: " + dir.Path("None.map") + ": "), std::string::npos)
      << bad.error;
  EXPECT_NE(bad.output.find("| Test Yard |"), std::string::npos);
}

TEST(Skbalance, AWrongCommandLineShowsTheUsage) {
  for (const char* args : {"", "--seeds 0 a.map", "--seeds", "--first-seed -1 a.map",
                           "--seeds x a.map", "--fast a.map"}) {
    const ProcessResult r = RunSkbalance(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.error.find("Usage: SKBALANCE"), std::string::npos) << args;
  }
  const ProcessResult help = RunSkbalance("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("Usage: SKBALANCE"), std::string::npos);
}

}  // namespace
}  // namespace sk::balance
