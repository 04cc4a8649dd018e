// The build makes only the maps it ships: an author's own description in data/maps/ and an
// author's own map in the ready-to-play folder neither break it nor get removed by it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "support/Process.h"
#include "tests/content/ContentFiles.h"

namespace sk {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

// Files this test puts into the author's places, removed however the test ends.
struct AuthorFiles {
  std::string description;
  std::string map;
  ~AuthorFiles() {
    std::error_code ignored;
    std::filesystem::remove(description, ignored);
    std::filesystem::remove(map, ignored);
  }
};

TEST(DataBuild, KeepsTheAuthorsMapAndIgnoresTheAuthorsDescription) {
  // Named after this build folder, so the normal and the sanitizer suites never share them.
  const std::string tag =
      "author-check-" + std::to_string(std::hash<std::string>{}(SK_BINARY_DIR) % 1000000);
  AuthorFiles files{std::string(SK_SOURCE_DIR) + "/data/maps/" + tag + ".ini",
                    test::GameDir() + "Maps/" + tag + ".map"};
  // Paths written for running SKMAP from the ready-to-play folder: from the build's own
  // working folder they name nothing, so building this description would fail.
  const std::string description = "[Skarveth Map]\nMapName=Mine\nMapFileName=Maps/" + tag +
                                  ".map\nBackgroundJPEG=mymaps/mine.jpg\n"
                                  "FinalWaypoint=320,240\n[Path1]\n1=10,300,50\n";
  if (!WriteText(files.description, description)) GTEST_SKIP() << "source folder is read-only";
  const std::string map = "the author's own map, built elsewhere";
  ASSERT_TRUE(WriteText(files.map, map));

  const ProcessResult build =
      RunProcess("'" SK_CMAKE_COMMAND "' --build '" SK_BINARY_DIR "' --target skarveth_data");
  EXPECT_EQ(build.status, 0) << build.output;
  EXPECT_EQ(ReadText(files.map), map);
  for (const std::string& shipped : test::ShippedMapFiles())
    EXPECT_TRUE(std::filesystem::is_regular_file(test::GameDir() + "Maps/" + shipped)) << shipped;
}

}  // namespace
}  // namespace sk
