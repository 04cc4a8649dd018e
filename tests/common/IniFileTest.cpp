#include <gtest/gtest.h>

#include "common/IniFile.h"

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

}  // namespace
}  // namespace sk
