// The shipped maps make a ramp a player can feel: each says in its name how hard it is, and
// matches of simulated players on it last as long as that promises. The figures are the
// README's map table: seeds 1 to 10, measured on the maps the build made.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/maps/MapName.h"
#include "tests/content/ContentFiles.h"
#include "tools/skbalance/BalanceReport.h"

namespace sk::balance {
namespace {

// How long a decent player's matches last on average, in seconds, at each difficulty.
struct TBand {
  const char* label;
  double least;
  double most;
};
constexpr TBand kBands[] = {{"Easy", 180, 300}, {"Medium", 90, 180}, {"Hard", 45, 90}};

// The band a map's name promises with its "(Easy)", "(Medium)" or "(Hard)" at the end.
const TBand* PromisedBand(const std::string& name) {
  for (const TBand& band : kBands) {
    if (name.ends_with(std::string(" (") + band.label + ")")) return &band;
  }
  return nullptr;
}

class ShippedMapDifficulty : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedMapDifficulty, MatchesLastAsLongAsTheNamePromisesAndSkillPays) {
  std::string problem;
  const auto field = TBalanceField::Load(test::GameDir() + "Maps/" + GetParam(), problem);
  ASSERT_TRUE(field) << problem;
  const TBand* band = PromisedBand(field->Name());
  ASSERT_NE(band, nullptr) << "\"" << field->Name() << "\" names no difficulty";
  const TMapFigures figures = MeasureMap(*field, TMeasureOptions{});
  const std::string table = FormatTable({figures}, TMeasureOptions{});
  // Not even a match of a player who never shoots is over before "Fight!" has faded.
  EXPECT_GE(figures.Idle.MinSeconds, 12.0) << table;
  EXPECT_GE(figures.Decent.MeanSeconds, band->least) << band->label << "\n" << table;
  EXPECT_LE(figures.Decent.MeanSeconds, band->most) << band->label << "\n" << table;
  EXPECT_EQ(figures.Decent.Capped, 0) << "a decent player's match never ends\n" << table;
  EXPECT_GE(figures.Perfect.MeanSeconds, 2 * figures.Decent.MeanSeconds) << "skill hardly matters\n"
                                                                         << table;
}

INSTANTIATE_TEST_SUITE_P(Maps, ShippedMapDifficulty, ::testing::ValuesIn(test::ShippedMapFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

TEST(ShippedMaps, RampFromEasyToHardWithTwoMapsAtEveryStep) {
  std::map<std::string, int> maps_per_band;
  for (const std::string& file : test::ShippedMapFiles()) {
    const auto name = ReadMapName(test::GameDir() + "Maps/" + file);
    ASSERT_TRUE(name) << file;
    const TBand* band = PromisedBand(*name);
    ASSERT_NE(band, nullptr) << "\"" << *name << "\" names no difficulty";
    ++maps_per_band[band->label];
  }
  for (const TBand& band : kBands) EXPECT_GE(maps_per_band[band.label], 2) << band.label;
}

}  // namespace
}  // namespace sk::balance
