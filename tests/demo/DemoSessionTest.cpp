#include <gtest/gtest.h>

#include <filesystem>

#include "common/FileIo.h"
#include "game/demo/DemoSession.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

// A recording that cannot be written where asked is not lost: it goes to the temporary
// folder, and the player is told where.
TEST(DemoSessionTest, ARecordingThatCannotBeWrittenIsSavedElsewhere) {
  TempDir dir;
  MakePlayerFolder(dir, "[Skarveth Configuration]\n");
  CallLog log;
  RecordingDesktop desktop(log);
  desktop.programDir = dir.Root();
  std::string message;

  TCommandLine nowhereCommand;
  nowhereCommand.Kind = TCommandLine::Mode::Record;
  nowhereCommand.File = dir.Path("no/such/demo.txt");
  TDemoSession nowhere(nowhereCommand, nullptr);
  EXPECT_FALSE(nowhere.Prepare(desktop, message));
  EXPECT_EQ(message, "Cannot record into " + dir.Path("no/such/demo.txt") + ": the folder " +
                         dir.Path("no/such") + " does not exist.");

  dir.Write("later/keep.txt", "");
  TCommandLine command = nowhereCommand;
  command.File = dir.Path("later/demo.txt");
  TDemoSession session(command, nullptr);
  message.clear();
  ASSERT_TRUE(session.Prepare(desktop, message)) << message;
  // The folder turns into a file while the game runs: no root privilege writes through that.
  std::filesystem::remove_all(dir.Path("later"));
  dir.Write("later", "a file now");
  EXPECT_EQ(session.Finish(0, message), 1);
  const std::string prefix =
      "Cannot write the demo to " + dir.Path("later/demo.txt") + "; it was saved as ";
  ASSERT_TRUE(message.starts_with(prefix)) << message;
  const std::string saved = message.substr(prefix.size(), message.size() - prefix.size() - 9);
  EXPECT_EQ(message.substr(message.size() - 9), " instead.");
  const auto text = ReadFileBytes(saved);
  ASSERT_TRUE(text);
  const TDemoReadResult read = ParseDemoText(std::string(text->begin(), text->end()));
  EXPECT_TRUE(read.Demo) << read.Error;
  std::filesystem::remove(saved);
}

}  // namespace
}  // namespace sk::test
