#include <gtest/gtest.h>

#include <filesystem>

#include "common/FileIo.h"
#include "support/BmpEncode.h"
#include "support/JpegEncode.h"
#include "tools/skedit/model/DepthCheck.h"

namespace sk::edit {
namespace {

std::vector<std::string> DepthWarnings(const TMapContent& content,
                                       std::span<const std::uint8_t> background,
                                       std::span<const std::uint8_t> mask) {
  TPreviewScene scene;
  std::string problem;
  EXPECT_TRUE(scene.LoadPictures(background, mask, problem)) << problem;
  scene.SetPaths(content);
  TDepthCheck depth;
  depth.Prepare(scene);
  return depth.Find(scene);
}

// A crate of scenery (black in the mask) standing on row 299: a model walking behind it
// (feet on row 250) may vanish behind it, one walking in front (feet on row 350) may not.
TEST(DepthCheck, FlagsAModelHiddenBySceneryItStandsInFrontOf) {
  TPicture mask(640, 480, TRgb{255, 255, 255});
  for (int y = 200; y < 300; ++y)
    for (int x = 100; x < 200; ++x) mask.At(x, y) = TRgb{};
  const auto background = test::EncodeJpeg(TPicture(640, 480, TRgb{90, 90, 90}));
  const auto bmp = test::EncodeBmp(mask);
  const TMapContent behind{"Test", 400, 250, {{TWayPoint{0, 250, 200}}}};
  EXPECT_TRUE(DepthWarnings(behind, background, bmp).empty());
  const TMapContent in_front{"Test", 400, 350, {{TWayPoint{0, 350, 200}}}};
  const auto warnings = DepthWarnings(in_front, background, bmp);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("path 1: feet from ("), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[0].find("floor is row 299"), std::string::npos) << warnings[0];
}

TEST(DepthCheck, PassesEveryShippedMap) {
  int maps = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(SK_GAME_DIR "/Maps", error)) {
    if (entry.path().extension() != ".map") continue;
    const auto bytes = ReadFileBytes(entry.path().string());
    const auto info = bytes ? ReadMapFile(*bytes) : std::nullopt;
    ASSERT_TRUE(info) << entry.path();
    const auto mask = MapMaskData(*bytes, *info).value_or(std::span<const std::uint8_t>{});
    EXPECT_EQ(DepthWarnings(info->Content, *MapBackgroundData(*bytes, *info), mask),
              std::vector<std::string>{})
        << entry.path();
    ++maps;
  }
  EXPECT_GE(maps, 6);
}

}  // namespace
}  // namespace sk::edit
