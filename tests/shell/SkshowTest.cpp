// SKSHOW explains itself instead of opening a window when asked, or when it cannot make sense
// of its arguments.
#include <gtest/gtest.h>

#include "support/Process.h"

namespace sk {
namespace {

const std::string kUsage =
    "Usage: SKSHOW [seconds] [--fullscreen]\n"
    "Shows a test frame of every drawing operation in the game's window for the given\n"
    "seconds (3 when not given), in a window or full screen; closing the window ends it.\n";

ProcessResult Skshow(const std::string& args) {
  // No display: should it open a window after all, it fails instead of showing one.
  return RunProcess(
      "env -u WAYLAND_DISPLAY DISPLAY= SDL_VIDEODRIVER= '" SK_GAME_DIR "/SKSHOW' " + args,
      StandardError::Separate);
}

TEST(Skshow, HelpAndWrongArgumentsShowTheUsage) {
  for (const char* help : {"--help", "-h"}) {
    const ProcessResult r = Skshow(help);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, kUsage);
  }
  for (const char* wrong : {"soon", "2 --full", "-1", "3s"}) {
    const ProcessResult r = Skshow(wrong);
    EXPECT_EQ(r.status, 2) << wrong;
    EXPECT_EQ(r.output, "") << wrong;
    EXPECT_EQ(r.error, kUsage) << wrong;
  }
}

}  // namespace
}  // namespace sk
