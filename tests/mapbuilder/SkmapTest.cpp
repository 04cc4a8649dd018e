#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "support/JpegEncode.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace sk {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Paths = std::vector<std::vector<std::string>>;

// A description as keys of the map section and the waypoints of each path section.
struct Description {
  std::map<std::string, std::string> keys = {{"MapName", "Test"},
                                             {"MapFileName", "Maps\\Test.map"},
                                             {"BackgroundJPEG", "test.jpg"},
                                             {"FinalWaypoint", "600,400"}};
  Paths paths = {{"10,300,50", "320,300,100"}};

  std::string Text() const {
    std::string text = "[Skarveth Map]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    for (std::size_t i = 0; i < paths.size(); ++i) {
      text += "[Path" + std::to_string(i + 1) + "]\r\n";
      for (std::size_t j = 0; j < paths[i].size(); ++j)
        text += std::to_string(j + 1) + "=" + paths[i][j] + "\r\n";
    }
    return text;
  }
};

// The output after the banner (an empty line, the title, an empty line, three credit lines,
// an empty line), whose shape is checked on the way.
std::string AfterBanner(const std::string& out) {
  std::istringstream in(out);
  std::string line[7];
  for (auto& l : line) std::getline(in, l);
  EXPECT_EQ(line[0] + "|" + line[1] + "|" + line[2] + "|" + line[6],
            "|SKARVETH MAP BUILDER v1.2b||");
  for (int i = 3; i < 6; ++i) EXPECT_FALSE(line[i].empty());
  return in.eof() ? "" : out.substr(static_cast<std::size_t>(in.tellg()));
}

// The summary's lines after the mask line: each path's speed and the files' full paths.
bool IsDetailLine(const std::string& line) {
  for (const char* label :
       {" - Path ", " - Ini file  : ", " - Background: ", " - Mask file : ", " - Written to: "})
    if (line.starts_with(label)) return true;
  return false;
}

std::string Error(const std::string& message) { return "ERROR: " + message + "\n"; }

std::string Summary(const std::string& name, std::size_t size, int paths, int waypoints,
                    const char* mask) {
  return "MAP INFORMATION:\n\n - Name      : " + name + "\n - Filename  : Test.map\n" +
         " - File size : " + std::to_string(size) +
         " bytes\n - Paths     : " + std::to_string(paths) +
         "\n - Waypoints : " + std::to_string(waypoints) + "\n - Mask      : " + mask +
         "\n\nSUCCESS: Map file was built successfully.\n";
}

class Skmap : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("test.jpg", std::string(30000, 'J'));
    std::filesystem::create_directory(dir_.Path("Maps"));
  }
  // SKMAP run in the test's folder; the output without the banner, standard error apart.
  ProcessResult Start(const std::string& args, const std::string& env = "") {
    ProcessResult r =
        RunProcess("cd '" + dir_.Root() + "' && " + env + "'" SK_GAME_DIR "/SKMAP' " + args,
                   StandardError::Separate);
    std::istringstream in(AfterBanner(r.output));
    r.output.clear();
    details_.clear();
    for (std::string line; std::getline(in, line);)
      (IsDetailLine(line) ? details_ : r.output) += line + "\n";
    return r;
  }
  ProcessResult Build(const Description& d) {
    dir_.Write("map.ini", d.Text());
    return Start("map.ini");
  }
  std::optional<TMapFileInfo> Built() {
    const std::string file = dir_.Read("Maps/Test.map");
    return ReadMapFile(Bytes(file.begin(), file.end()));
  }
  void ExpectFailure(const ProcessResult& r, const std::string& message) {
    EXPECT_EQ(r.output, Error(message));
    EXPECT_EQ(r.status, 1);
  }
  void MakeSparseFile(const std::string& name, off_t size) {
    const int fd = ::open(dir_.Path(name).c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
  }

  TempDir dir_;
  std::string details_;  // the summary's detail lines of the last run
};

TEST_F(Skmap, BuildsTheWorkedExample) {
  const ProcessResult r = Build({});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, Summary("Test", 30044, 1, 2, "No"));
  const std::string jpeg = dir_.Read("test.jpg");
  const TMapContent example{"Test", 600, 400, {{{10, 300, 50}, {320, 300, 100}}}};
  const auto expected = AssembleMapFile(example, Bytes(jpeg.begin(), jpeg.end()), {});
  EXPECT_EQ(dir_.Read("Maps/Test.map"), std::string(expected->begin(), expected->end()));
}

TEST_F(Skmap, SummaryGivesSpeedsAndFullPathsAndEscapesControlBytes) {
  Description d;
  d.keys["MapName"] = "Te\x1B[2Jst\x07";
  d.keys["MaskBMP"] = "pics/../pics\\mask.bmp";
  dir_.Write("pics/mask.bmp", "BM");
  const ProcessResult r = Build(d);
  EXPECT_EQ(r.output,
            Summary("Te\\x1B[2Jst\\x07", 30044 + 5 + 2, 1, 2, "Yes"));  // 5 more in the name
  const auto line = [this](const char* label, const char* file) {
    return " - " + std::string(label) + ": " + dir_.Path(file) + "\n";
  };
  EXPECT_EQ(details_, " - Path 1    : 4.05 px/tick (segments 2.97 to 6.20)\n" +
                          line("Ini file  ", "map.ini") + line("Background", "test.jpg") +
                          line("Mask file ", "pics/mask.bmp") +
                          line("Written to", "Maps/Test.map"));
  // The speeds the map editor flags, after the warnings about the pictures.
  EXPECT_NE(r.error.find("\nWARNING: path 1, waypoint 1: 6.20 px/tick is faster than 2.0 "
                         "px/tick: too hard, a decent player lasts under 45 s\n"),
            std::string::npos);
  EXPECT_TRUE(
      r.error.ends_with("WARNING: measure how hard it plays with: SKBALANCE Maps/Test.map\n"));
}

TEST_F(Skmap, ReplacesOnlyAMapFile) {
  const std::string map_start = "SKARVETH_MAP\x01";
  for (const std::string& old : {std::string("notes"), std::string(), map_start.substr(0, 12),
                                 std::string("SKARVETH_MAP\x02 and more")}) {
    dir_.Write("Maps/Test.map", old);
    const ProcessResult r = Build({});
    ExpectFailure(r, "Output file exists and is not a map file.");
    EXPECT_EQ(r.error, "SKMAP: " + dir_.Path("Maps/Test.map") +
                           ": not a map file; SKMAP replaces only an earlier map. Remove it or "
                           "name another MapFileName\n");
    EXPECT_EQ(dir_.Read("Maps/Test.map"), old);
  }
  dir_.Write("Maps/Test.map", map_start + "cut short");
  EXPECT_EQ(Build({}).status, 0);
  EXPECT_TRUE(Built());
}

TEST_F(Skmap, HintsThatOnlyAShellExpandsATilde) {
  Description d;
  d.keys["MapFileName"] = "~/Maps/Test.map";
  dir_.Write("map.ini", d.Text());
  const std::string hint =
      "MapFileName starts with \"~\", which only a shell turns into your home folder; SKMAP "
      "reads it as a folder named \"~\". Write the full path: /home/ann/Maps/Test.map\n";
  const ProcessResult r = Start("map.ini", "HOME=/home/ann ");
  ExpectFailure(r, "Cannot create output file.");
  EXPECT_EQ(r.error, "SKMAP: " + dir_.Path("~/Maps/Test.map") +
                         ": No such file or directory\nSKMAP: " + hint);
}

TEST_F(Skmap, CommandLineAndDescriptionFile) {
  for (const char* args : {"", "a.ini b.ini"})
    ExpectFailure(Start(args), "Usage: SKMAP <Skarveth map ini file>");
  const ProcessResult missing = Start("missing.ini");
  ExpectFailure(missing, "Ini file not found.");
  // Standard error names the file and the reason.
  EXPECT_EQ(missing.error, "SKMAP: " + dir_.Path("missing.ini: No such file or directory\n"));
  ExpectFailure(Start("Maps"), "Ini file not found.");
  const std::string not_ours[] = {"just some text\n", std::string("\0\xFF[\x01\n=\x80", 7),
                                  "[Skarveth Map]\n[Path1]\n1=1,1,1\n",
                                  "[Skarveth Map" + std::string(100000, 'x') + "\nMapName=x\n"};
  for (const std::string& text : not_ours) {
    dir_.Write("other.ini", text);
    ExpectFailure(Start("other.ini"), "File is not Skarveth map ini file.");
  }
}

TEST_F(Skmap, RefusesFaultyDescriptions) {
  // A key's value, the error SKMAP prints and, for a file it cannot use, the path and the
  // reason standard error gives.
  struct TCase {
    std::string Key, Value, Message, Reason = "";
  };
  const std::vector<TCase> cases = {
      {"MapName", "", "\"MapName\" value not specified."},
      {"MapFileName", "", "\"MapFileName\" value not specified."},
      {"BackgroundJPEG", "", "\"BackgroundJPEG\" value not specified."},
      {"FinalWaypoint", "", "\"FinalWaypoint\" value not specified."},
      {"FinalWaypoint", "600", "\"FinalWaypoint\" value is invalid."},
      {"FinalWaypoint", "600,y", "\"FinalWaypoint\" value is invalid."},
      {"FinalWaypoint", "-32769,400", "\"FinalWaypoint\" value is invalid."},
      {"BackgroundJPEG", "missing.jpg", "Cannot open JPEG background file."},
      {"BackgroundJPEG", "pics\\missing.jpg", "Cannot open JPEG background file.",
       "pics/missing.jpg: No such file or directory"},
      {"BackgroundJPEG", "Maps", "Cannot open JPEG background file."},
      {"MaskBMP", "missing.bmp", "Cannot open BMP mask file."},
      {"MaskBMP", "Maps", "Cannot open BMP mask file.", "Maps: Is a directory"},
      {"MapFileName", "NoFolder\\Test.map", "Cannot create output file."},
      {"MapFileName", "Maps", "Cannot create output file."},
      // The output's folder runs through a regular file, which stops root too.
      {"MapFileName", "test.jpg/Test.map", "Cannot create output file.",
       "test.jpg/Test.map: Not a directory"},
  };
  for (const TCase& c : cases) {
    Description d;
    d.keys[c.Key] = c.Value;
    SCOPED_TRACE(c.Key + "=" + c.Value);
    const ProcessResult r = Build(d);
    ExpectFailure(r, c.Message);
    if (!c.Reason.empty()) {
      EXPECT_EQ(r.error, "SKMAP: " + dir_.Path(c.Reason) + "\n");
    }
    EXPECT_FALSE(dir_.Exists("Maps/Test.map"));
  }
  ExpectFailure(Build({.paths = {}}), "Map must have at least one path.");
}

TEST_F(Skmap, WaypointValues) {
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"10,300", "Value is invalid."},
      {"10,300,0", "Frame count value cannot be zero."},
      {"10,300,-1", "Value is invalid."},
      {"10,300,65536", "Value is invalid."},
      {"32768,300,50", "Value is invalid."},
      {"10 ,300,50", "Value is invalid."},
      {"", "Value is invalid."},
      {"10,,50", "Value is invalid."},
  };
  for (const auto& [value, message] : refused)
    ExpectFailure(Build({.paths = {{"1,1,1"}, {"1,1,1", value}}}),
                  "[Path 2 Waypoint 2] " + message);
  const std::vector<std::pair<std::string, TWayPoint>> accepted = {
      {"10, 300, 50", {10, 300, 50}}, {"32767,-32768,65535", {32767, -32768, 65535}},
      {"-32768,0,1", {-32768, 0, 1}}, {"$A,0x12C,1,junk", {10, 300, 1}},
      {"\"-1,-1,7\"", {-1, -1, 7}},
  };
  for (const auto& [value, expected] : accepted) {
    Description d{.paths = {{value}}};
    d.keys["FinalWaypoint"] = " 600,400,7";
    EXPECT_EQ(Build(d).status, 0) << value;
    const TMapContent content = Built()->Content;
    EXPECT_EQ(content.Paths, (std::vector<std::vector<TWayPoint>>{{expected}})) << value;
    EXPECT_EQ(content.FinalX * 1000 + content.FinalY, 600400);
  }
}

TEST_F(Skmap, PathAndWaypointNumbering) {
  dir_.Write("map.ini", Description{.paths = {}}.Text() +
                            "[Path1]\n1=1,1,1\n2=2,2,2\n4=4,4,4\n[Path3]\n1=3,3,3\n");
  EXPECT_EQ(Start("map.ini").status, 0);
  EXPECT_EQ(Built()->Content.Paths, (std::vector<std::vector<TWayPoint>>{{{1, 1, 1}, {2, 2, 2}}}));

  // Eight paths of 13 bytes where the example has one.
  EXPECT_EQ(Build({.paths = Paths(9, {"1,2,3", "4,5,6"})}).output,
            Summary("Test", 30044 + 7 * 13, 8, 16, "No"));

  dir_.Write("map.ini", Description{}.Text() + "[Path2]\n2=1,1,1\n");
  ExpectFailure(Start("map.ini"), "Path 2 must contain at least one waypoint.");
}

TEST_F(Skmap, MasksNamesAndSizes) {
  Description d;
  d.keys["MaskBMP"] = "";
  EXPECT_EQ(Build(d).output, Summary("Test", 30044, 1, 2, "No"));
  dir_.Write("empty.bmp", "");
  d.keys["MaskBMP"] = "empty.bmp";
  EXPECT_EQ(Build(d).output, Summary("Test", 30044, 1, 2, "Yes"));
  EXPECT_EQ(Built()->MaskSize, 0);

  dir_.Write("pics/mask.bmp", std::string(70, 'B'));
  d.keys["MaskBMP"] = "pics\\mask.bmp";
  d.keys["MapName"] = std::string(300, 'n');
  const ProcessResult r = Build(d);
  const auto info = Built();
  EXPECT_EQ(info->Content.Name, std::string(255, 'n'));
  EXPECT_EQ(info->MaskSize, 70);
  const std::size_t size = info->BackgroundOffset + 30000 + 70;
  EXPECT_EQ(r.output, Summary(std::string(255, 'n'), size, 1, 2, "Yes"));
  EXPECT_EQ(dir_.Read("Maps/Test.map").size(), size);
}

TEST_F(Skmap, TooManyWaypointsLeaveNoFile) {
  Description d{.paths = {std::vector<std::string>(256, "1,1,1")}};
  ExpectFailure(Build(d), "[Path 1] Too many waypoints (at most 255).");
  EXPECT_FALSE(dir_.Exists("Maps/Test.map"));
  d.paths[0].pop_back();
  EXPECT_EQ(Build(d).status, 0);
  EXPECT_EQ(Built()->Content.Paths[0].size(), 255u);
}

TEST_F(Skmap, FailedBuildKeepsThePreviousMap) {
  const std::string previous = "SKARVETH_MAP\x01previous";
  dir_.Write("Maps/Test.map", previous);
  Description d;
  d.keys["BackgroundJPEG"] = "missing.jpg";
  EXPECT_EQ(Build(d).status, 1);
  // No write bit at all stops root too.
  std::filesystem::permissions(dir_.Path("Maps/Test.map"), std::filesystem::perms::owner_read);
  ExpectFailure(Build({}), "Cannot create output file.");
  EXPECT_EQ(dir_.Read("Maps/Test.map"), previous);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path("Maps")), {}), 1);
}

TEST_F(Skmap, RefusesPicturesOf2GiB) {
  MakeSparseFile("huge", off_t{1} << 31);  // no disk space, refused by its size alone
  for (const auto& [key, message] :
       {std::pair{"BackgroundJPEG", "Background JPEG file is too large."},
        std::pair{"MaskBMP", "Mask BMP file is too large."}}) {
    Description d;
    d.keys[key] = "huge";
    ExpectFailure(Build(d), message);
    EXPECT_FALSE(dir_.Exists("Maps/Test.map"));
  }
}

// The file header and info header of a BMP of the given size; SKMAP reads no further.
std::string BmpHeader(std::int32_t width, std::int32_t height) {
  std::string h = "BM" + std::string(12, '\0');
  const auto put32 = [&h](std::int32_t v) {
    for (int i = 0; i < 4; ++i)
      h += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  };
  put32(40);
  put32(width);
  put32(height);
  return h + std::string(28, '\0');
}

std::string Jpeg(int width, int height, bool progressive = false) {
  const auto bytes = test::EncodeJpeg(TPicture(width, height, TRgb{90, 80, 70}), 90, progressive);
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(Skmap, WarnsOnStandardErrorAboutMapsTheGameRefusesOrMisdraws) {
  dir_.Write("bg.png", "\x89PNG\r\n\x1a\n" + std::string(100, 'P'));
  dir_.Write("big.jpg", Jpeg(800, 600));
  dir_.Write("small.bmp", BmpHeader(320, 240));
  // Paths at playable speeds: the speed warnings come after these.
  const Paths playable = {{"10,300,200", "320,300,200"}};
  Description d{.paths = {{"10,300,400", "640,100,200"}, {"-1,479,400"}}};
  d.keys["BackgroundJPEG"] = "bg.png";
  d.keys["MaskBMP"] = "small.bmp";
  const std::string advice =
      "WARNING: the game may refuse or misdraw this map; see how it loads with: SKVIEW "
      "Maps/Test.map\n";
  ProcessResult r = Build(d);
  EXPECT_EQ(r.status, 0);
  // The header with paths of 2 and 1 waypoints is 51 bytes, the mask header 54.
  EXPECT_EQ(r.output, Summary("Test", 51 + 108 + 54, 2, 3, "Yes"));
  EXPECT_EQ(r.error,
            "WARNING: bg.png: the background is not a JPEG file\n"
            "WARNING: small.bmp: the mask is 320 x 240 pixels; the game needs 640 x 480\n"
            "WARNING: [Path 1 Waypoint 2] 640,100 lies off the 640 x 480 screen\n"
            "WARNING: [Path 2 Waypoint 1] -1,479 lies off the 640 x 480 screen\n" +
                advice);

  d = Description{.paths = playable};
  d.keys["BackgroundJPEG"] = "big.jpg";
  d.keys["MaskBMP"] = "pics\\mask.bmp";
  d.keys["FinalWaypoint"] = "639,480";
  dir_.Write("pics/mask.bmp", "not a picture");
  r = Build(d);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.error,
            "WARNING: big.jpg: the background is 800 x 600 pixels; the game needs 640 x 480\n"
            "WARNING: pics/mask.bmp: the mask is not a BMP file\n"
            "WARNING: FinalWaypoint 639,480 lies off the 640 x 480 screen\n" +
                advice);

  // A JPEG that ends before any frame header; an empty mask file.
  dir_.Write("cut.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x04JF\xFF\xD9", 10));
  dir_.Write("empty.bmp", "");
  d = Description{.paths = playable};
  d.keys["BackgroundJPEG"] = "cut.jpg";
  d.keys["MaskBMP"] = "empty.bmp";
  EXPECT_EQ(Build(d).error,
            "WARNING: cut.jpg: the background's JPEG frame size cannot be found\n"
            "WARNING: empty.bmp: the mask file is empty; the game plays the map without a mask\n" +
                advice);
}

TEST_F(Skmap, SaysNothingMoreAboutAMapTheGamePlays) {
  // Both corners of the screen, a progressive JPEG and a BMP stored top row first.
  for (bool progressive : {false, true}) {
    dir_.Write("good.jpg", Jpeg(640, 480, progressive));
    dir_.Write("mask.bmp", BmpHeader(640, progressive ? -480 : 480));
    Description d{.paths = {{"0,0,532", "639,479,266"}}};  // 1.5 px/tick
    d.keys["BackgroundJPEG"] = "good.jpg";
    d.keys["MaskBMP"] = "mask.bmp";
    d.keys["FinalWaypoint"] = "320,240";
    const ProcessResult r = Build(d);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.error, "") << progressive;
  }
}

TEST_F(Skmap, AnswersHelpAndVersion) {
  for (const char* option : {"--help", "-h"}) {
    const ProcessResult r = Start(option);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.output.starts_with("Usage: SKMAP <Skarveth map ini file>\n")) << r.output;
    EXPECT_EQ(r.error, "");
  }
  for (const char* option : {"--version", "-v"}) {
    const ProcessResult r =
        RunProcess("'" SK_GAME_DIR "/SKMAP' " + std::string(option), StandardError::Separate);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "SKMAP 1.2b, the map builder of Codename: Skarveth 1.00\n");
  }
  EXPECT_FALSE(dir_.Exists("Maps/Test.map"));
}

}  // namespace
}  // namespace sk
