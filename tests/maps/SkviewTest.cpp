#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "MapTestFiles.h"
#include "support/Process.h"

namespace sk {
namespace {

using test::TempFolder;

// An SKMAP or SKVIEW run in the test's folder, standard error apart.
ProcessResult RunTool(const std::string& program, const std::string& args,
                      const TempFolder& folder) {
  return RunProcess(
      "cd '" + folder.Path() + "' && '" + std::string(SK_GAME_DIR) + "/" + program + "' " + args,
      StandardError::Separate);
}

// A map built by SKMAP from a description of three paths.
class SkviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(folder_.Path() + "bg.jpg",
                     test::EncodeJpeg(TPicture(640, 480, TRgb{9, 9, 9})));
    std::ofstream(folder_.Path() + "map.ini") << "[Skarveth Map]\n"
                                                 "MapName=Examples\n"
                                                 "MapFileName=ex.map\n"
                                                 "BackgroundJPEG=bg.jpg\n"
                                                 "FinalWaypoint=600,400\n"
                                                 "[Path1]\n1=10,300,50\n2=320,300,100\n"
                                                 "[Path2]\n1=0,0,2\n2=5,0,1\n"
                                                 "[Path3]\n1=100,100,4\n2=90,130,3\n3=90,130,1\n";
    const ProcessResult built = RunTool("SKMAP", "map.ini", folder_);
    ASSERT_NE(built.output.find("SUCCESS"), std::string::npos) << built.output;
  }
  TempFolder folder_;
};

TEST_F(SkviewTest, PointsReproduceTheWorkedExamples) {
  const ProcessResult run = RunTool("SKVIEW", "--points ex.map", folder_);
  ASSERT_EQ(run.status, 0) << run.error;
  for (const char* line :
       {"1 0 10 300\n", "1 1 16 300\n", "1 25 165 300\n", "1 49 314 300\n", "1 50 320 300\n",
        "1 51 323 301\n", "1 100 460 350\n", "1 149 597 399\n", "1 150 600 400\n"}) {
    EXPECT_NE(run.output.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(run.output.find("1 151 "), std::string::npos);
  // Halves to even; then a 1-frame segment jumps straight on.
  EXPECT_NE(run.output.find("\n2 0 0 0\n2 1 2 0\n2 2 5 0\n2 3 600 400\n3 0 "), std::string::npos);
  EXPECT_NE(run.output.find("\n3 0 100 100\n3 1 97 108\n3 2 95 115\n3 3 93 122\n"
                            "3 4 90 130\n3 5 90 130\n3 6 90 130\n3 7 90 130\n3 8 600 400\n"),
            std::string::npos);
  EXPECT_TRUE(run.output.ends_with("3 8 600 400\n"));
}

TEST_F(SkviewTest, ReportSaysWhetherTheGameAcceptsTheMap) {
  ProcessResult run = RunTool("SKVIEW", "ex.map", folder_);
  EXPECT_EQ(run.status, 0) << run.error;
  EXPECT_NE(run.output.find("Name: Examples\n"), std::string::npos);
  EXPECT_NE(run.output.find("Final waypoint: (600, 400)\n"), std::string::npos);
  EXPECT_NE(run.output.find("Path 1: 2 waypoints, 151 table entries, 4.05 px/tick (segments 2.97 "
                            "to 6.20)\n"),
            std::string::npos);
  EXPECT_NE(run.output.find("Path 3: 3 waypoints, 9 table entries, 76.09 px/tick (segments 0.00 "
                            "to 577.06)\n"),
            std::string::npos);
  EXPECT_NE(run.output.find(", 640 x 480\nMask: none\n"), std::string::npos);
  EXPECT_NE(run.output.find("The game accepts this map."), std::string::npos);

  // Nine paths and a 0-waypoint path: the file reads, the game refuses it.
  test::WriteBytes(folder_.Path() + "nine.map", test::RawMap(9, 0, 0, {}));
  run = RunTool("SKVIEW", "nine.map", folder_);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Paths: 9\n"), std::string::npos);
  EXPECT_NE(run.output.find("The game refuses this map: the map must have 1 to 8 paths."),
            std::string::npos);
}

TEST_F(SkviewTest, WarnsUnderItsVerdictAsSkmapDidWhenBuildingTheMap) {
  test::WriteBytes(folder_.Path() + "big.jpg", test::EncodeJpeg(TPicture(800, 600, TRgb{9, 9, 9})));
  test::WriteBytes(folder_.Path() + "small.bmp", test::EncodeBmp(TPicture(320, 240)));
  std::ofstream(folder_.Path() + "big.ini") << "[Skarveth Map]\nMapName=Big\nMapFileName=big.map\n"
                                               "BackgroundJPEG=big.jpg\nMaskBMP=small.bmp\n"
                                               "FinalWaypoint=600,400\n[Path1]\n1=700,300,5\n";
  const ProcessResult built = RunTool("SKMAP", "big.ini", folder_);
  const std::string warnings =
      "the background is 800 x 600 pixels; the game needs 640 x 480\n"
      "WARNING: small.bmp: the mask is 320 x 240 pixels; the game needs 640 x 480\n"
      "WARNING: [Path 1 Waypoint 1] 700,300 lies off the 640 x 480 screen\n";
  EXPECT_NE(built.error.find("WARNING: big.jpg: " + warnings), std::string::npos) << built.error;
  const ProcessResult viewed = RunTool("SKVIEW", "big.map", folder_);
  EXPECT_EQ(viewed.status, 0);
  EXPECT_TRUE(viewed.output.ends_with(
      "The game accepts this map.\n"
      "WARNING: the background is 800 x 600 pixels; the game needs 640 x 480\n"
      "WARNING: the mask is 320 x 240 pixels; the game needs 640 x 480\n"
      "WARNING: [Path 1 Waypoint 1] 700,300 lies off the 640 x 480 screen\n"
      "WARNING: path 1, waypoint 1: 28.28 px/tick jumps farther than the cross-hair can follow "
      "(over 25 px/tick)\n"))
      << viewed.output;
}

TEST_F(SkviewTest, PngPreviewAndErrors) {
  const ProcessResult run = RunTool("SKVIEW", "--png out.png ex.map", folder_);
  ASSERT_EQ(run.status, 0) << run.error;
  const std::string png = folder_.Read("out.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  const auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) |
           (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  // The play area plus a margin round the waypoint at (0, 0).
  EXPECT_EQ(be32(16), 640u + 24u);
  EXPECT_EQ(be32(20), 480u + 24u);

  for (const std::string args : {"missing.map", "map.ini", "--png out2.png map.ini", "--bogus"}) {
    const ProcessResult bad = RunTool("SKVIEW", args, folder_);
    EXPECT_EQ(bad.status, 1) << args;
    EXPECT_FALSE(bad.error.empty()) << args;
  }
  EXPECT_EQ(RunTool("SKVIEW", "missing.map", folder_).error,
            "SKVIEW: missing.map: cannot read the file\n");
}

}  // namespace
}  // namespace sk
