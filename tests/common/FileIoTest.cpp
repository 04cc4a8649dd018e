#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "support/TempDir.h"

namespace sk {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(ReplaceFileAtomically, CreatesAndReplacesWithoutLeavingTemporaries) {
  TempDir dir;
  const std::string path = dir.Path("a.txt");
  ASSERT_TRUE(ReplaceFileAtomically(path, Bytes("one")));
  ASSERT_TRUE(ReplaceFileAtomically(path, Bytes("two")));
  EXPECT_EQ(dir.Read("a.txt"), "two");
  EXPECT_EQ(dir.Count(), 1);
}

TEST(ReplaceFileAtomically, FollowsLinksAndKeepsTheirTargetsPlace) {
  TempDir dir;
  dir.Write("real.ini", "old");
  std::filesystem::create_symlink("real.ini", dir.Path("link.ini"));
  ASSERT_TRUE(ReplaceFileAtomically(dir.Path("link.ini"), Bytes("new")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.ini")));
  EXPECT_EQ(dir.Read("real.ini"), "new");
}

TEST(ReplaceFileAtomically, RefusesTargetsThatCannotBeWritten) {
  TempDir dir;
  dir.Write("ro.ini", "old");
  ::chmod(dir.Path("ro.ini").c_str(), 0444);  // read-only stops root here too
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("ro.ini"), Bytes("new")));
  EXPECT_EQ(dir.Read("ro.ini"), "old");
  // A path through a regular file can never be created, not even by root.
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("ro.ini/inner"), Bytes("x")));
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("folder"), Bytes("x")));
  EXPECT_EQ(dir.Count(), 2);
}

TEST(ReadFileBytes, ReadsOnlyRegularFilesWithinTheLimit) {
  TempDir dir;
  dir.Write("f", "12345");
  EXPECT_EQ(ReadFileBytes(dir.Path("f"))->size(), 5u);
  EXPECT_EQ(ReadFileBytes(dir.Path("f"), 4), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir.Path("missing")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir.Path("")), std::nullopt);  // the folder itself
  ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(dir.Path("pipe")), std::nullopt);  // and it must not block
  EXPECT_EQ(GetFileKind(dir.Path("pipe")), FileKind::Other);
}

TEST(WriteProfileString, KeepsTheFileWhenItCannotBeWritten) {
  TempDir dir;
  dir.Write("s.ini", "[S]\nName=a\n");
  ::chmod(dir.Path("s.ini").c_str(), 0444);
  EXPECT_FALSE(WriteProfileString(dir.Path("s.ini"), "S", "Name", "b"));
  EXPECT_EQ(dir.Read("s.ini"), "[S]\nName=a\n");
  ::chmod(dir.Path("s.ini").c_str(), 0644);
  EXPECT_TRUE(WriteProfileString(dir.Path("s.ini"), "S", "Name", "b"));
  EXPECT_EQ(dir.Read("s.ini"), "[S]\nName=b\n");
}

TEST(Paths, SplitOnBothSeparators) {
  EXPECT_EQ(FolderOf("Maps\\Test.map"), "Maps");
  EXPECT_EQ(NameOf("a/b\\c.map"), "c.map");
  EXPECT_EQ(FolderOf("c.map"), ".");
  EXPECT_EQ(FolderOf("/c.map"), "/");
  EXPECT_EQ(NormalizeSeparators("Maps\\x\\y.map"), "Maps/x/y.map");
}

}  // namespace
}  // namespace sk
