#include <gtest/gtest.h>

#include "common/IniFile.h"
#include "support/TempDir.h"

namespace sk {
namespace {

TEST(IniFile, ReadsValuesTheWayTheDesktopDoes) {
  const IniFile ini = IniFile::Parse(
      "; settings\r\n"
      "[Main]\r\n"
      "  Name =  \"  quoted  \"  \r\n"
      "Path = a=b\n"
      "single='x'\n"
      "half=\"open\n"
      "empty=\n"
      "name=second wins never\n"
      ";Hidden=1\n"
      "[Only Comments]\n"
      "; nothing here\n"
      "[main]\n"
      "Late=1\n");
  EXPECT_EQ(ini.Get("MAIN", "name"), "  quoted  ");
  EXPECT_EQ(ini.Get("Main", "Path"), "a=b");
  EXPECT_EQ(ini.Get("Main", "single"), "x");
  EXPECT_EQ(ini.Get("Main", "half"), "\"open");
  EXPECT_EQ(ini.Get("Main", "empty"), "");
  EXPECT_EQ(ini.Get("Main", ";Hidden"), std::nullopt);
  // A repeated section is not read: the first one counts.
  EXPECT_EQ(ini.Get("Main", "Late"), std::nullopt);
  EXPECT_TRUE(ini.HasSection("main"));
  EXPECT_FALSE(ini.HasSection("Only Comments"));
  EXPECT_FALSE(ini.HasSection("Missing"));
  EXPECT_EQ(ini.ReadString("Main", "Nope", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Main", "Path", 5), 5);
}

TEST(IniFile, CutsLongValues) {
  const IniFile ini = IniFile::Parse("[s]\nk=" + std::string(3000, 'n') + "\n");
  EXPECT_EQ(ini.Get("s", "k")->size(), 2047u);
}

TEST(IniFile, EditReplacesOnlyTheKeysLine) {
  const std::string text = "; mine\r\n[Skarveth Configuration]\r\nFullScreen=0\r\nNAME=old\r\n\r\n[Other]\r\nName=keep\r\n";
  EXPECT_EQ(EditProfileText(text, "skarveth configuration", "Name", "new"),
            "; mine\r\n[Skarveth Configuration]\r\nFullScreen=0\r\nName=new\r\n\r\n[Other]\r\nName=keep\r\n");
}

TEST(IniFile, EditAppendsKeyToItsSectionOrANewSection) {
  EXPECT_EQ(EditProfileText("[A]\nx=1\n\n[B]\ny=2", "a", "k", "v"), "[A]\nx=1\nk=v\n\n[B]\ny=2");
  EXPECT_EQ(EditProfileText("[A]\nx=1", "B", "k", "v"), "[A]\nx=1\n\n[B]\nk=v\n");
  EXPECT_EQ(EditProfileText("", "B", "k", "v"), "[B]\nk=v\n");
  EXPECT_EQ(EditProfileText("[B]\n", "B", "k", "v"), "[B]\nk=v\n");
  // A line break in a value must not smuggle in lines of its own.
  EXPECT_EQ(EditProfileText("", "B", "k", "a\nx=1"), "[B]\nk=a x=1\n");
}

// A section header given twice, the first time without keys: the reader reads the second, and
// the writer must write there too, or the new line would hide every setting after it.
TEST(IniFile, EditWritesTheSectionTheReaderReads) {
  const std::string shadowed = "[S]\n; empty\n[s]\nA=1\nName=old\n";
  EXPECT_EQ(IniFile::Parse(shadowed).Get("S", "A"), "1");
  EXPECT_EQ(EditProfileText(shadowed, "S", "Name", "new"), "[S]\n; empty\n[s]\nA=1\nName=new\n");
  EXPECT_EQ(EditProfileText(shadowed, "S", "B", "2"), "[S]\n; empty\n[s]\nA=1\nName=old\nB=2\n");
  // When no section of the name holds a key, the first header gets it.
  EXPECT_EQ(EditProfileText("[S]\n; a\n\n[T]\nx=1\n[S]\n", "s", "k", "v"),
            "[S]\n; a\nk=v\n\n[T]\nx=1\n[S]\n");
}

TEST(IniFile, LoneCarriageReturnsEndLines) {
  const IniFile ini = IniFile::Parse("[S]\rA=1\rB= 2 \r\n[T]\nC=3\r");
  EXPECT_EQ(ini.Get("S", "A"), "1");
  EXPECT_EQ(ini.Get("S", "B"), "2");
  EXPECT_EQ(ini.Get("T", "C"), "3");
  // A key added after a last line ending in a lone CR leaves that line's value alone.
  const std::string edited = EditProfileText("[S]\rName=Bob\r", "S", "FrameDelay", "5");
  EXPECT_EQ(edited, "[S]\rName=Bob\rFrameDelay=5\n");
  EXPECT_EQ(IniFile::Parse(edited).Get("S", "Name"), "Bob");
  EXPECT_EQ(EditProfileText("[S]\rName=Bob", "S", "Name", "Al"), "[S]\rName=Al");
}

TEST(IniFile, OverLargeFilesReadAsMissingAndAreNeverRewritten) {
  TempDir dir;
  const std::string big = "[S]\nk=1\n" + std::string(IniFile::kMaxFileSize, ';');
  dir.Write("big.ini", big);
  EXPECT_FALSE(IniFile::Load(dir.Path("big.ini")).HasSection("S"));
  std::string reason;
  EXPECT_FALSE(WriteProfileString(dir.Path("big.ini"), "S", "k", "2", &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(dir.Read("big.ini"), big);
  dir.Write("fits.ini", big.substr(0, IniFile::kMaxFileSize));
  EXPECT_EQ(IniFile::Load(dir.Path("fits.ini")).Get("S", "k"), "1");
}

}  // namespace
}  // namespace sk
