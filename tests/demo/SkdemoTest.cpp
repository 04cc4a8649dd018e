#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "game/demo/DemoFiles.h"
#include "support/Process.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

std::string Skdemo(const std::string& arguments) {
  return "'" + GameDir() + "SKDEMO' " + arguments;
}

// A short demo on the built game folder, the way SKDEMO finds it beside itself.
std::string ShortDemo(const std::string& events) {
  TDemo demo = BeginDemoIn(GameDir(), 1234);
  demo.Settings = TDemoSettings{};
  demo.Settings.SkipIntro = true;
  return FormatDemoHead(demo) + events;
}

TEST(SkdemoTest, PlaysADemoAndWritesTheFramesAskedFor) {
  TempDir dir;
  dir.Write("demo.txt", ShortDemo("2 move 10 10\n5 key Enter\nend 8\n"));
  const ProcessResult run =
      RunProcess(Skdemo("--frames 0,7 --out '" + dir.Path() + "' '" + dir.Path("demo.txt") + "'"),
                 StandardError::Separate);
  EXPECT_EQ(run.status, 0) << run.error;
  EXPECT_TRUE(run.output.starts_with("0 screen menu page 0\n")) << run.output;
  EXPECT_NE(run.output.find("\n8 final frame "), std::string::npos) << run.output;
  for (const char* name : {"tick-0000000.png", "tick-0000007.png"}) {
    const auto png = ReadFileBytes(dir.Path(name));
    ASSERT_TRUE(png) << name;
    EXPECT_EQ(std::string(png->begin() + 1, png->begin() + 4), "PNG");
  }
  EXPECT_EQ(GetFileKind(dir.Path("tick-0000001.png")), FileKind::Missing);
  // The same demo twice gives the same lines.
  EXPECT_EQ(RunProcess(Skdemo("'" + dir.Path("demo.txt") + "'"), StandardError::Separate).output,
            run.output);
}

TEST(SkdemoTest, RefusedDemosAndWrongCommandLines) {
  TempDir dir;
  dir.Write("bad.txt", ShortDemo("3 key Enter\n2 key A\nend 4\n"));
  const ProcessResult bad =
      RunProcess(Skdemo("'" + dir.Path("bad.txt") + "'"), StandardError::Separate);
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.output, "");
  EXPECT_NE(bad.error.find("bad.txt: line "), std::string::npos) << bad.error;
  EXPECT_NE(bad.error.find(": tick 2 comes after tick 3: events must be in tick order"),
            std::string::npos);

  dir.Write("short.txt", ShortDemo("end 3\n"));
  const ProcessResult past =
      RunProcess(Skdemo("--frames 3 --out '" + dir.Path() + "' '" + dir.Path("short.txt") + "'"),
                 StandardError::Separate);
  EXPECT_EQ(past.status, 1);
  EXPECT_EQ(past.error, "SKDEMO: tick 3 is past the end of the demo\n");

  EXPECT_EQ(RunProcess(Skdemo("")).status, 2);
  EXPECT_EQ(RunProcess(Skdemo("--frames 1,x --out /tmp demo.txt")).status, 2);
  EXPECT_EQ(RunProcess(Skdemo("--frames 1 demo.txt")).status, 2);  // frames need a folder
}

}  // namespace
}  // namespace sk::test
