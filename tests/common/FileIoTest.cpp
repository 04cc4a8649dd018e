#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/NewFiles.h"
#include "common/Printable.h"
#include "common/WriteInPlace.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace sk {
namespace {

using namespace std::string_literals;

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

// Permissions come only from an old file of the user's own, never setuid, setgid or sticky;
// else the writer's choice, which no umask widens (another user's file: StrangerTest).
TEST(ReplaceFileAtomically, KeepsOnlyThePlainPermissionsOfTheUsersOwnFile) {
  TempDir dir;
  const mode_t umask = ::umask(0);
  ASSERT_TRUE(ReplaceFileAtomically(dir.Path("new"), Bytes("x")));
  dir.Write("mine", "old");
  ASSERT_EQ(::chmod(dir.Path("mine").c_str(), 06775), 0);
  ASSERT_TRUE(ReplaceFileAtomically(dir.Path("mine"), Bytes("y"), nullptr, FileReaders::OwnerOnly));
  ::umask(umask);
  for (const auto& [name, mode] : {std::pair{"new", 0644u}, std::pair{"mine", 0775u}}) {
    struct stat st {};
    ASSERT_EQ(::stat(dir.Path(name).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode) << name;
  }
}

// A save the file-size limit (ulimit -f) would cut short writes nothing, in place or beside
// the file: the old one stays whole and no temporary file is left.
TEST(SaveFile, KeepsTheOldFileWholeWhenTheNewOneCannotFit) {
  TempDir dir;
  dir.Write("s.ini", std::string(1547, 'o'));
  std::string why;
  const auto target = [&] { return *OpenWriteTarget(dir.Path("s.ini"), why); };
  struct rlimit was {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
  const struct rlimit small = {1024, was.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteInPlace(target(), Bytes(std::string(1500, 'n')), &why) ||
                       SaveFile(dir.Path("s.ini"), Bytes(std::string(1500, 'n')), &why);
  ::setrlimit(RLIMIT_FSIZE, &was);
  EXPECT_FALSE(written);
  EXPECT_EQ(why, "the file-size limit (ulimit -f) is 1024 bytes, the file needs 1500");
  EXPECT_EQ(dir.Read("s.ini"), std::string(1547, 'o'));
  EXPECT_EQ(dir.Count(), 1);
  for (const std::string& now : {std::string("short"), std::string(2000, 'l')}) {
    ASSERT_TRUE(WriteInPlace(target(), Bytes(now), &why)) << why;
    EXPECT_EQ(dir.Read("s.ini"), now);  // cut to the new length, or grown to it
  }
}

// Nothing planted beside the target in advance is ever written through: the temporary file's
// name cannot be guessed, and it is made only where nothing stood.
TEST(ReplaceFileAtomically, PlantedTemporaryNamesAreNeverWrittenThrough) {
  TempDir dir;
  dir.Write("canary", "keep");
  for (int n = 0; n < 100; ++n) {
    const std::string old = ".a.txt.tmp." + std::to_string(::getpid()) + "." + std::to_string(n);
    std::filesystem::create_symlink(dir.Path("canary"), dir.Path(old));
  }
  ASSERT_TRUE(ReplaceFileAtomically(dir.Path("a.txt"), Bytes("new")));
  EXPECT_EQ(dir.Read("a.txt"), "new");
  EXPECT_EQ(dir.Read("canary"), "keep");
  EXPECT_EQ(dir.Count(), 102);
}

// Another user's link, or a link in another user's folder, could send our write into any file
// of ours: neither is followed, on the way or at the end. Needs root to give files away.
TEST(ReplaceFileAtomically, FollowsOnlyLinksOfTheUserOrRootInTheirFolders) {
  if (::geteuid() != 0) GTEST_SKIP() << "making files of another user needs root";
  constexpr uid_t kStranger = 4242;
  TempDir dir;
  dir.Write("mine/canary", "keep");
  std::filesystem::create_directory(dir.Path("shared"));
  ::chmod(dir.Path("shared").c_str(), 01777);
  const auto plant = [&](const std::string& link, const std::string& target) {
    std::filesystem::create_symlink(target, dir.Path(link));
    ASSERT_EQ(::lchown(dir.Path(link).c_str(), kStranger, kStranger), 0);
  };
  plant("shared/demo.txt", dir.Path("mine/canary"));
  plant("shared/folder", dir.Path("mine"));
  std::string why;
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("shared/demo.txt"), Bytes("x"), &why));
  EXPECT_EQ(why, "the symbolic link " + dir.Path("shared/demo.txt") +
                     " belongs to another user; only links that you or root own, in folders you "
                     "or root own, are followed");
  EXPECT_EQ(ReplaceProblem(dir.Path("shared/demo.txt")), why);
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("shared/folder/canary"), Bytes("x")));
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("shared/folder/new"), Bytes("x")));
  // Our own link, in a folder another user owns (and so could swap it at any time).
  std::filesystem::create_directory(dir.Path("theirs"));
  std::filesystem::create_symlink(dir.Path("mine/canary"), dir.Path("theirs/link"));
  ASSERT_EQ(::chown(dir.Path("theirs").c_str(), kStranger, kStranger), 0);
  EXPECT_FALSE(ReplaceFileAtomically(dir.Path("theirs/link"), Bytes("x"), &why));
  EXPECT_NE(why.find(" lies in a folder of another user"), std::string::npos) << why;
  EXPECT_EQ(dir.Read("mine/canary"), "keep");
  EXPECT_FALSE(dir.Exists("mine/new"));
  // The same file reached without a link is ours to replace as ever.
  EXPECT_EQ(ReplaceProblem(dir.Path("mine/canary")), "");
}

TEST(NewFiles, FreshNamesTheTemporaryFolderAndPrivateFolders) {
  TempDir dir;
  const auto first = WriteUniqueFile(dir.Path(), "demo-", ".txt", Bytes("one"));
  const auto second = WriteUniqueFile(dir.Path(), "demo-", ".txt", Bytes("two"));
  ASSERT_TRUE(first && second);
  EXPECT_NE(*first, *second);
  EXPECT_TRUE(NameOf(*first).starts_with("demo-") && first->ends_with(".txt"));
  EXPECT_EQ(ReadFileBytes(*second), std::vector<std::uint8_t>({'t', 'w', 'o'}));
  struct stat st {};
  ASSERT_EQ(::stat(first->c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  std::string why;
  dir.Write("file", "");
  EXPECT_FALSE(WriteUniqueFile(dir.Path("file"), "demo-", ".txt", Bytes("x"), &why));
  EXPECT_EQ(why, "Not a directory");

  {
    const ScopedEnv missing("TMPDIR", dir.Path("none"));
    EXPECT_FALSE(TemporaryFolder(&why));
    EXPECT_EQ(why, "the temporary folder " + dir.Path("none") + " (TMPDIR) does not exist");
    const ScopedEnv file("TMPDIR", dir.Path("file"));
    EXPECT_FALSE(TemporaryFolder(&why));
    EXPECT_EQ(why, "the temporary folder " + dir.Path("file") + " (TMPDIR) is not a folder");
    const ScopedEnv there("TMPDIR", dir.Path());
    EXPECT_EQ(TemporaryFolder(), dir.Path());
  }

  EXPECT_GE(OpenPrivateFolder(dir.Path("private")).Get(), 0);
  ASSERT_EQ(::stat(dir.Path("private").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ::chmod(dir.Path("private").c_str(), 0770);
  EXPECT_LT(OpenPrivateFolder(dir.Path("private"), &why).Get(), 0);
  EXPECT_EQ(why, dir.Path("private") + ": others may write into the folder");
}

TEST(PrintableText, EscapesEverythingATerminalWouldObey) {
  EXPECT_EQ(PrintableText("\x1B]0;owned\x07\x1B[2J"), "\\x1B]0;owned\\x07\\x1B[2J");
  EXPECT_EQ(PrintableText("a\tb\rc\x7F\0"s), "a\\x09b\\x0Dc\\x7F\\x00");
  // UTF-8 text stays; the C1 controls (raw or encoded) and bytes that are no UTF-8 do not.
  EXPECT_EQ(PrintableText("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(PrintableText("\x9B"
                          "2J \xC2\x9B \xE9t\xC3"),
            "\\x9B2J \\xC2\\x9B \\xE9t\\xC3");
  EXPECT_EQ(PrintableText("\xC0\xAF \xED\xA0\x80"), "\\xC0\\xAF \\xED\\xA0\\x80");
  // The marks that turn the text's direction: U+202E, U+2066, U+061C, U+200F.
  EXPECT_EQ(PrintableText("a\u202Egnp.exe \u2066\u061C\u200F\u2030"),
            "a\\xE2\\x80\\xAEgnp.exe \\xE2\\x81\\xA6\\xD8\\x9C\\xE2\\x80\\x8F\u2030");
  EXPECT_EQ(PrintableText("one\ntwo"), "one\\x0Atwo");
  EXPECT_EQ(PrintableText("one\ntwo", true), "one\ntwo");
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
  EXPECT_EQ(PathInFolder("/g/Maps/../Maps/a.map", "/g/"), "Maps/a.map");
  EXPECT_EQ(PathInFolder("/g/Maps\\a.map", "/g"), "Maps/a.map");
  EXPECT_EQ(PathInFolder("/g/../h/a.map", "/g/"), std::nullopt);
  EXPECT_EQ(PathInFolder("/gg/a.map", "/g/"), std::nullopt);
  EXPECT_EQ(PathInFolder("/g/", "/g/"), std::nullopt);
}

}  // namespace
}  // namespace sk
