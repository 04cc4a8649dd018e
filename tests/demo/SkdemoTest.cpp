#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/FileIo.h"
#include "game/demo/DemoFiles.h"
#include "game/demo/DemoFormat.h"
#include "support/ChildProcess.h"
#include "support/Process.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

std::string Skdemo(const std::string& arguments) {
  return "'" + GameDir() + "SKDEMO' " + arguments;
}

// SKDEMO playing the demo file `demo`, its standard error kept apart.
ProcessResult PlayDemo(const std::string& demo, const std::string& options = "",
                       const std::string& environment = "") {
  return RunProcess(environment + Skdemo(options + " '" + demo + "'"), StandardError::Separate);
}

// A short demo on the built game folder, the way SKDEMO finds it beside itself.
std::string ShortDemo(const std::string& events) {
  TDemo demo = BeginDemoIn(GameDir(), 1234);
  demo.Settings = TSettings{};
  demo.Settings.SkipIntro = true;
  return FormatDemoHead(demo) + events;
}

TEST(SkdemoTest, PlaysADemoAndWritesTheFramesAskedFor) {
  TempDir dir;
  dir.Write("demo.txt", ShortDemo("2 move 10 10\n5 key Enter\nend 8\n"));
  const ProcessResult run =
      PlayDemo(dir.Path("demo.txt"), "--frames 0,7 --out '" + dir.Path() + "'");
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
  EXPECT_EQ(PlayDemo(dir.Path("demo.txt")).output, run.output);
}

TEST(SkdemoTest, RefusedDemosAndWrongCommandLines) {
  TempDir dir;
  dir.Write("bad.txt", ShortDemo("3 key Enter\n2 key A\nend 4\n"));
  const ProcessResult bad = PlayDemo(dir.Path("bad.txt"));
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.output, "");
  EXPECT_NE(bad.error.find("bad.txt: line "), std::string::npos) << bad.error;
  EXPECT_NE(bad.error.find(": tick 2 comes after tick 3: events must be in tick order"),
            std::string::npos);

  dir.Write("short.txt", ShortDemo("end 3\n"));
  const ProcessResult past =
      PlayDemo(dir.Path("short.txt"), "--frames 3 --out '" + dir.Path() + "'");
  EXPECT_EQ(past.status, 1);
  EXPECT_EQ(past.error, "SKDEMO: tick 3 is past the end of the demo\n");

  EXPECT_EQ(RunProcess(Skdemo("")).status, 2);
  EXPECT_EQ(RunProcess(Skdemo("--frames 1,x --out /tmp demo.txt")).status, 2);
  EXPECT_EQ(RunProcess(Skdemo("--frames 1 demo.txt")).status, 2);  // frames need a folder
}

// Texts from a demo reach the terminal with their control bytes escaped, and a missing
// temporary folder is one clear line.
TEST(SkdemoTest, RefusalsAreSafeToShowAndTheTemporaryFolderIsChecked) {
  TempDir dir;
  dir.Write("escape.txt", ShortDemo("\x1B]0;owned\x07 key A\nend 3\n"));
  const ProcessResult escaped = PlayDemo(dir.Path("escape.txt"));
  EXPECT_EQ(escaped.status, 1);
  EXPECT_NE(escaped.error.find("unknown line \"\\x1B]0;owned\\x07\"\n"), std::string::npos)
      << escaped.error;
  EXPECT_EQ(escaped.error.find('\x1B'), std::string::npos);

  dir.Write("demo.txt", ShortDemo("end 3\n"));
  const ProcessResult noTemporary =
      PlayDemo(dir.Path("demo.txt"), "", "TMPDIR='" + dir.Path("none") + "' ");
  EXPECT_EQ(noTemporary.status, 1);
  EXPECT_EQ(noTemporary.error, "SKDEMO: Cannot prepare the playback: the temporary folder " +
                                   dir.Path("none") + " (TMPDIR) does not exist.\n");
}

// SIGTERM ends a long playback within moments, and its playback folder goes with it.
TEST(SkdemoTest, ASignalEndsItAndLeavesNothingBehind) {
  TempDir dir;
  TempDir temporary;
  dir.Write("long.txt", ShortDemo("end " + std::to_string(kMaxDemoTicks) + "\n"));
  const pid_t pid = StartChild(GameDir() + "SKDEMO", {dir.Path("long.txt")},
                               {"TMPDIR=" + temporary.Path()}, dir.Path("log.txt"));
  // Once its playback folder is there, the playback is being prepared or running.
  for (int i = 0; i < 3000 && temporary.Count() == 0; ++i) ::usleep(10000);
  EXPECT_EQ(temporary.Count(), 1);
  ::usleep(300000);
  ::kill(pid, SIGTERM);
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status << dir.Read("log.txt");
  EXPECT_EQ(temporary.Count(), 0);
}

}  // namespace
}  // namespace sk::test
