#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/sdl/SingleInstance.h"
#include "support/TempDir.h"

namespace sk {
namespace {

namespace fs = std::filesystem;

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  TempDir dir;
  const std::string folder = dir.Path("skarveth");
  {
    SingleInstanceLock first(folder);
    ASSERT_TRUE(first.Acquire());
    EXPECT_EQ(first.Folder(), folder);
    SingleInstanceLock second(folder);
    EXPECT_FALSE(second.Acquire());
  }
  SingleInstanceLock third(folder);
  EXPECT_TRUE(third.Acquire());
  // The folder is made for the player alone.
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);
}

// The game runs, taking no lock in `folder`: the lock there is none the player can trust, and
// someone else's file must never make the game say "already running".
void ExpectRunsWithoutLock(const std::string& folder) {
  SingleInstanceLock lock(folder);
  EXPECT_TRUE(lock.Acquire()) << folder;
  EXPECT_EQ(lock.Folder(), "") << folder;
}

TEST(SingleInstance, AFolderOrFileThatIsNotThePlayersAloneIsNoLock) {
  TempDir dir;
  ExpectRunsWithoutLock("/nonexistent-folder-for-skarveth/skarveth");

  fs::create_directory(dir.Path("shared"));
  ::chmod(dir.Path("shared").c_str(), 0777);
  ExpectRunsWithoutLock(dir.Path("shared"));
  EXPECT_FALSE(dir.Exists("shared/Skarveth.lock"));

  // A link to a folder, and a link where the lock file goes: never followed.
  fs::create_directory(dir.Path("real"));
  ::chmod(dir.Path("real").c_str(), 0700);
  fs::create_directory_symlink(dir.Path("real"), dir.Path("linked"));
  ExpectRunsWithoutLock(dir.Path("linked"));
  fs::create_symlink(dir.Path("elsewhere"), dir.Path("real/Skarveth.lock"));
  ExpectRunsWithoutLock(dir.Path("real"));
  EXPECT_FALSE(dir.Exists("elsewhere"));
}

// A lock file someone else made (root could put one there), even one held: not ours, so it
// never makes the player's game say another copy runs.
TEST(SingleInstance, ALockFileOfAnotherUserIsNeverTakenAsAnotherCopy) {
  if (::geteuid() != 0) GTEST_SKIP() << "making files of another user needs root";
  TempDir dir;
  fs::create_directory(dir.Path("run"));
  ::chmod(dir.Path("run").c_str(), 0700);
  dir.Write("run/Skarveth.lock", "");
  ASSERT_EQ(::chown(dir.Path("run/Skarveth.lock").c_str(), 4242, 4242), 0);
  const int held = ::open(dir.Path("run/Skarveth.lock").c_str(), O_RDWR);
  ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
  ExpectRunsWithoutLock(dir.Path("run"));
  ::close(held);
}

}  // namespace
}  // namespace sk
