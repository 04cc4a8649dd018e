#include <gtest/gtest.h>

#include <filesystem>

#include "common/FileIo.h"
#include "game/demo/DemoLimits.h"
#include "game/demo/DemoSession.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

TCommandLine RecordInto(const std::string& file) {
  TCommandLine command;
  command.Kind = TCommandLine::Mode::Record;
  command.File = file;
  return command;
}

// A recording that cannot be written where asked is not lost: it goes to the temporary
// folder, and the player is told where.
TEST(DemoSessionTest, ARecordingThatCannotBeWrittenIsSavedElsewhere) {
  TempDir dir;
  MakePlayerFolder(dir, "[Skarveth Configuration]\n");
  CallLog log;
  RecordingDesktop desktop(log);
  desktop.programDir = dir.Root();
  std::string message;

  TDemoSession nowhere(RecordInto(dir.Path("no/such/demo.txt")), nullptr);
  EXPECT_FALSE(nowhere.Prepare(desktop, message));
  EXPECT_EQ(message, "Cannot record into " + dir.Path("no/such/demo.txt") + ": the folder " +
                         dir.Path("no/such") + " does not exist.");

  dir.Write("later/keep.txt", "");
  TDemoSession session(RecordInto(dir.Path("later/demo.txt")), nullptr);
  message.clear();
  ASSERT_TRUE(session.Prepare(desktop, message)) << message;
  // The folder turns into a file while the game runs: no root privilege writes through that.
  std::filesystem::remove_all(dir.Path("later"));
  dir.Write("later", "a file now");
  EXPECT_EQ(session.Finish(0, message), 1);
  const std::string prefix = "Cannot write the demo to " + dir.Path("later/demo.txt") +
                             " (Not a directory); it was saved as ";
  ASSERT_TRUE(message.starts_with(prefix)) << message;
  const std::string saved = message.substr(prefix.size(), message.size() - prefix.size() - 9);
  EXPECT_EQ(message.substr(message.size() - 9), " instead.");
  const auto text = ReadFileBytes(saved);
  ASSERT_TRUE(text);
  const TDemoReadResult read = ParseDemoText(std::string(text->begin(), text->end()));
  EXPECT_TRUE(read.Demo) << read.Error;
  // Under a name nobody could guess in advance, for the player's eyes only.
  EXPECT_TRUE(NameOf(saved).starts_with("skarveth-demo-"));
  EXPECT_EQ(std::filesystem::status(saved).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::remove(saved);
}

// A session is recorded only when its demo could be played back.
TEST(DemoSessionTest, RecordingsThatNoPlaybackWouldAcceptAreRefusedAtTheStart) {
  TempDir dir;
  CallLog log;
  RecordingDesktop desktop(log);
  desktop.programDir = dir.Root();
  const auto refusal = [&](const std::string& ini) {
    MakePlayerFolder(dir, ini);
    TDemoSession session(RecordInto(dir.Path("demo.txt")), nullptr);
    std::string message;
    EXPECT_FALSE(session.Prepare(desktop, message));
    std::filesystem::remove_all(dir.Path("Maps"));
    std::filesystem::remove(dir.Path("Skarveth.dat"));
    return message;
  };
  EXPECT_EQ(refusal("[Skarveth Configuration]\nTestMap=/etc/passwd\n"),
            "Cannot record this session: the test map \"/etc/passwd\" must be a path inside the "
            "game folder, relative to it and without \"..\".");
  EXPECT_EQ(
      refusal("[Skarveth Configuration]\nFrameDelay=5000\n"),
      "Cannot record this session: the frame delay 5000 is above 1000 ms (one tick a second).");
  EXPECT_FALSE(dir.Exists("demo.txt"));
}

// Maps no demo can name are left out of the recording, and of the list the recorded session
// shows, so its demo always plays back; the player is told.
TEST(DemoSessionTest, MapsADemoCannotHoldAreLeftOutOfARecording) {
  TempDir dir;
  MakePlayerFolder(dir, "[Skarveth Configuration]\n");
  std::filesystem::copy_file(dir.Path("Maps/Rustyard.map"), dir.Path("Maps/a\\b.map"));
  CallLog log;
  RecordingDesktop desktop(log);
  desktop.programDir = dir.Root();
  TDemoSession session(RecordInto(dir.Path("demo.txt")), nullptr);
  std::string message;
  ASSERT_TRUE(session.Prepare(desktop, message)) << message;
  EXPECT_EQ(session.Notices(),
            std::vector<std::string>{"The map " + dir.Path("Maps/a\\b.map") +
                                     " is left out of this recording, which could not be played "
                                     "back with it: \"a\\b.map\" is not a plain file name."});
  EXPECT_EQ(session.Finish(0, message), 0);
  EXPECT_TRUE(ParseDemoText(dir.Read("demo.txt")).Demo);
  // Past the most maps a demo holds, the first ones in the list's order are kept.
  TMapList many(kMaxDemoMaps + 2, TMapListEntry{"Map", "x.map", "/m/"});
  EXPECT_EQ(KeepRecordableMaps(many).size(), 1u);
  EXPECT_EQ(many.size(), kMaxDemoMaps);
}

}  // namespace
}  // namespace sk::test
