#include <gtest/gtest.h>

#include "game/resources/SKData.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace sk {
namespace {

ProcessResult Skpack(const std::string& args) {
  return RunProcess(std::string(SK_GAME_DIR) + "/SKPACK " + args);
}

TEST(Skpack, PacksAFolderThatTheGameReadsBackByteForByte) {
  TempDir dir;
  std::string binary;
  for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
  dir.Write("in/b.bin", binary);
  dir.Write("in/a.txt", "alpha");
  dir.Write("in/empty", "");
  dir.Write("extra.def", "; models");
  const ProcessResult run = Skpack(dir.Path("Skarveth.dat") + " " + dir.Path("in") + " " + dir.Path("extra.def"));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("4 members"), std::string::npos) << run.output;

  SKData data;
  ASSERT_TRUE(data.OpenArchive(dir.Root() + "Skarveth.dat", dir.Root() + "Data/"));
  ASSERT_EQ(data.ArchiveDir().size(), 4u);
  EXPECT_EQ(data.ArchiveDir()[0].name, "a.txt");  // folders pack in name order
  EXPECT_EQ(data.ArchiveDir()[3].name, "extra.def");
  for (const auto& [name, content] : {std::pair{"a.txt", std::string("alpha")},
                                      {"b.bin", binary}, {"empty", ""}, {"extra.def", "; models"}}) {
    TMemoryStream stream;
    data.LoadMember(name, stream);
    EXPECT_EQ(std::string(stream.bytes.begin(), stream.bytes.end()), content) << name;
  }
  const ProcessResult list = Skpack("--list " + dir.Path("Skarveth.dat"));
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.output.find("       256  b.bin"), std::string::npos) << list.output;
}

TEST(Skpack, RefusesWhatTheArchiveCannotHold) {
  TempDir dir;
  // The longest name a member can have is also the longest a file can have here.
  dir.Write(std::string(255, 'n'), "x");
  ProcessResult run = Skpack(dir.Path("ok.dat") + " " + dir.Path(std::string(255, 'n')));
  EXPECT_EQ(run.status, 0) << run.output;
  run = Skpack(dir.Path("out.dat") + " " + dir.Path("missing"));
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(dir.Exists("out.dat"));
  EXPECT_EQ(Skpack("").status, 1);
  EXPECT_EQ(Skpack("--list " + dir.Path("missing")).status, 1);
}

}  // namespace
}  // namespace sk
