#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/MapFormat.h"

namespace sk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Outcome {
  int status = -1;
  std::string out;
};

// A description as keys of the map section and the waypoints of each path section.
struct Description {
  std::map<std::string, std::string> keys = {{"MapName", "Test"},
                                             {"MapFileName", "Maps\\Test.map"},
                                             {"BackgroundJPEG", "test.jpg"},
                                             {"FinalWaypoint", "600,400"}};
  std::vector<std::vector<std::string>> paths = {{"10,300,50", "320,300,100"}};

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

class Skmap : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "skmap-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::create_directory(dir_ / "Maps");
    Write("test.jpg", std::string(30000, 'J'));
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& content) {
    std::ofstream(dir_ / name, std::ios::binary) << content;
  }
  std::string Read(const std::string& name) {
    std::stringstream s;
    s << std::ifstream(dir_ / name, std::ios::binary).rdbuf();
    return s.str();
  }
  Bytes ReadBytes(const std::string& name) {
    const std::string s = Read(name);
    return Bytes(s.begin(), s.end());
  }

  // SKMAP run in the test's folder, its standard output and exit status.
  Outcome Start(const std::vector<std::string>& args) {
    int pipe_fds[2];
    EXPECT_EQ(::pipe(pipe_fds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::dup2(pipe_fds[1], STDOUT_FILENO);
      ::close(pipe_fds[0]);
      std::vector<char*> argv = {const_cast<char*>(SK_GAME_DIR "/SKMAP")};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      if (::chdir(dir_.c_str()) == 0) ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(pipe_fds[1]);
    Outcome run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;)
      run.out.append(buffer, n);
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
  }
  Outcome Build(const Description& d) {
    Write("map.ini", d.Text());
    return Start({"map.ini"});
  }
  std::optional<TMapFileInfo> Built() { return ReadMapFile(ReadBytes("Maps/Test.map")); }

  fs::path dir_;
};

// The output after the banner: an empty line, the title, an empty line, three credit lines
// and an empty line.
std::string AfterBanner(const std::string& out) {
  std::istringstream in(out);
  std::string line[7];
  for (auto& l : line) std::getline(in, l);
  EXPECT_EQ(line[0] + "|" + line[1] + "|" + line[2] + "|" + line[6],
            "|SKARVETH MAP BUILDER v1.2b||");
  for (int i = 3; i < 6; ++i) EXPECT_FALSE(line[i].empty());
  return in.eof() ? "" : out.substr(static_cast<std::size_t>(in.tellg()));
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

TEST_F(Skmap, BuildsTheWorkedExample) {
  const Outcome run = Build({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(AfterBanner(run.out), Summary("Test", 30044, 1, 2, "No"));
  const Bytes file = ReadBytes("Maps/Test.map");
  ASSERT_EQ(file.size(), 30044u);
  const std::string head(file.begin(), file.begin() + 44);
  EXPECT_EQ(head, std::string("SKARVETH_MAP\x01\x04Test\x58\x02\x90\x01\x01\x02"
                              "\x0A\x00\x2C\x01\x32\x00\x40\x01\x2C\x01\x64\x00"
                              "\x30\x75\x00\x00\x00\x00\x00\x00",
                              44));
  EXPECT_EQ(std::string(file.begin() + 44, file.end()), Read("test.jpg"));
}

TEST_F(Skmap, CommandLineAndDescriptionFile) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a.ini", "b.ini"}}) {
    const Outcome run = Start(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(AfterBanner(run.out), Error("Usage: SKMAP <Skarveth map ini file>"));
  }
  EXPECT_EQ(AfterBanner(Start({"missing.ini"}).out), Error("Ini file not found."));
  EXPECT_EQ(AfterBanner(Start({"Maps"}).out), Error("Ini file not found."));
  const std::string not_ours[] = {"just some text\n", std::string("\0\xFF[\x01\n=\x80", 7),
                                  "[Skarveth Map]\n[Path1]\n1=1,1,1\n",
                                  "[Skarveth Map" + std::string(100000, 'x') + "\nMapName=x\n"};
  for (const std::string& text : not_ours) {
    Write("other.ini", text);
    const Outcome run = Start({"other.ini"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(AfterBanner(run.out), Error("File is not Skarveth map ini file."));
  }
}

TEST_F(Skmap, RefusesFaultyDescriptions) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"MapName", "", "\"MapName\" value not specified."},
      {"MapFileName", "", "\"MapFileName\" value not specified."},
      {"BackgroundJPEG", "", "\"BackgroundJPEG\" value not specified."},
      {"FinalWaypoint", "", "\"FinalWaypoint\" value not specified."},
      {"FinalWaypoint", "600", "\"FinalWaypoint\" value is invalid."},
      {"FinalWaypoint", "600,y", "\"FinalWaypoint\" value is invalid."},
      {"FinalWaypoint", "-32769,400", "\"FinalWaypoint\" value is invalid."},
      {"BackgroundJPEG", "missing.jpg", "Cannot open JPEG background file."},
      {"BackgroundJPEG", "Maps", "Cannot open JPEG background file."},
      {"MaskBMP", "missing.bmp", "Cannot open BMP mask file."},
      {"MapFileName", "NoFolder\\Test.map", "Cannot create output file."},
      {"MapFileName", "Maps", "Cannot create output file."},
      {"MapFileName", "test.jpg/Test.map", "Cannot create output file."},
  };
  for (const auto& [key, value, message] : cases) {
    Description d;
    d.keys[key] = value;
    const Outcome run = Build(d);
    EXPECT_EQ(run.status, 1) << key << "=" << value;
    EXPECT_EQ(AfterBanner(run.out), Error(message)) << key << "=" << value;
    EXPECT_FALSE(fs::exists(dir_ / "Maps/Test.map"));
  }
  const Description without_paths{.paths = {}};
  EXPECT_EQ(AfterBanner(Build(without_paths).out), Error("Map must have at least one path."));
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
  for (const auto& [value, message] : refused) {
    const Outcome run = Build({.paths = {{"1,1,1"}, {"1,1,1", value}}});
    EXPECT_EQ(run.status, 1) << value;
    EXPECT_EQ(AfterBanner(run.out), Error("[Path 2 Waypoint 2] " + message)) << value;
  }
  const std::vector<std::pair<std::string, TWayPoint>> accepted = {
      {"10, 300, 50", {10, 300, 50}},         {"32767,-32768,65535", {32767, -32768, 65535}},
      {"-32768,32767,1", {-32768, 32767, 1}}, {"$A,0x12C,1,junk", {10, 300, 1}},
      {"\"-1,-1,7\"", {-1, -1, 7}},
  };
  for (const auto& [value, expected] : accepted) {
    Description d{.paths = {{value}}};
    d.keys["FinalWaypoint"] = " 600,400,7";
    EXPECT_EQ(Build(d).status, 0) << value;
    const auto info = Built();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Content.Paths, (std::vector<std::vector<TWayPoint>>{{expected}})) << value;
    EXPECT_EQ(info->Content.FinalX, 600);
    EXPECT_EQ(info->Content.FinalY, 400);
  }
}

TEST_F(Skmap, PathAndWaypointNumbering) {
  Write("map.ini",
        Description{.paths = {}}.Text() + "[Path1]\n1=1,1,1\n2=2,2,2\n4=4,4,4\n[Path3]\n1=3,3,3\n");
  EXPECT_EQ(Start({"map.ini"}).status, 0);
  EXPECT_EQ(Built()->Content.Paths, (std::vector<std::vector<TWayPoint>>{{{1, 1, 1}, {2, 2, 2}}}));

  const Outcome nine =
      Build({.paths = std::vector<std::vector<std::string>>(9, {"1,2,3", "4,5,6"})});
  EXPECT_EQ(AfterBanner(nine.out), Summary("Test", 44 + 8 * 13 - 13 + 30000, 8, 16, "No"));
  EXPECT_EQ(Built()->Content.Paths.size(), 8u);

  Write("map.ini", Description{}.Text() + "[Path2]\n2=1,1,1\n");
  EXPECT_EQ(AfterBanner(Start({"map.ini"}).out),
            Error("Path 2 must contain at least one waypoint."));
}

TEST_F(Skmap, MasksAndSizes) {
  Description d;
  d.keys["MaskBMP"] = "";
  EXPECT_EQ(AfterBanner(Build(d).out), Summary("Test", 30044, 1, 2, "No"));
  Write("empty.bmp", "");
  d.keys["MaskBMP"] = "empty.bmp";
  EXPECT_EQ(AfterBanner(Build(d).out), Summary("Test", 30044, 1, 2, "Yes"));
  EXPECT_EQ(Built()->MaskSize, 0);

  fs::create_directory(dir_ / "pics");
  Write("pics/mask.bmp", std::string(70, 'B'));
  d.keys["MaskBMP"] = "pics\\mask.bmp";
  d.keys["MapName"] = std::string(300, 'n');
  const Outcome run = Build(d);
  const auto info = Built();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Content.Name, std::string(255, 'n'));
  EXPECT_EQ(info->MaskSize, 70);
  const std::size_t size = info->BackgroundOffset + 30000 + 70;
  EXPECT_EQ(AfterBanner(run.out), Summary(std::string(255, 'n'), size, 1, 2, "Yes"));
  EXPECT_EQ(fs::file_size(dir_ / "Maps/Test.map"), size);
}

TEST_F(Skmap, TooManyWaypointsLeaveNoFile) {
  Description d{.paths = {std::vector<std::string>(256, "1,1,1")}};
  const Outcome run = Build(d);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(AfterBanner(run.out), Error("[Path 1] Too many waypoints (at most 255)."));
  EXPECT_FALSE(fs::exists(dir_ / "Maps/Test.map"));
  d.paths[0].pop_back();
  EXPECT_EQ(Build(d).status, 0);
  EXPECT_EQ(Built()->Content.Paths[0].size(), 255u);
}

TEST_F(Skmap, FailedBuildKeepsThePreviousMap) {
  Write("Maps/Test.map", "previous");
  Description d;
  d.keys["BackgroundJPEG"] = "missing.jpg";
  EXPECT_EQ(Build(d).status, 1);
  // No write bit at all stops root too.
  fs::permissions(dir_ / "Maps/Test.map", fs::perms::owner_read);
  const Outcome run = Build({});
  EXPECT_EQ(AfterBanner(run.out), Error("Cannot create output file."));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Read("Maps/Test.map"), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "Maps"), fs::directory_iterator()), 1);
}

TEST_F(Skmap, RefusesPicturesOf2GiB) {
  for (const char* key : {"BackgroundJPEG", "MaskBMP"}) {
    // Sparse: takes no disk space, and SKMAP must refuse it by its size alone.
    const int fd = ::open((dir_ / "huge").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, off_t{1} << 31), 0);
    ::close(fd);
    Description d;
    d.keys[key] = "huge";
    const Outcome run = Build(d);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(AfterBanner(run.out),
              Error(std::string(key) == "MaskBMP" ? "Mask BMP file is too large."
                                                  : "Background JPEG file is too large."));
    EXPECT_FALSE(fs::exists(dir_ / "Maps/Test.map"));
  }
}

}  // namespace
}  // namespace sk
