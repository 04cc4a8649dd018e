#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "common/ByteWriter.h"
#include "common/Error.h"
#include "game/resources/SKData.h"
#include "support/PeakMemory.h"
#include "support/TempDir.h"

namespace sk {
namespace {

std::vector<std::uint8_t> Member(const std::string& s) { return {s.begin(), s.end()}; }

std::string Read(const SKData& data, const std::string& name) {
  TMemoryStream stream;
  stream.bytes = {1, 2, 3};
  stream.position = 2;
  data.LoadMember(name, stream);
  EXPECT_EQ(stream.position, 0u);
  return std::string(stream.bytes.begin(), stream.bytes.end());
}

// The archive and the loose files of a ready-to-play folder (ending in '/').
bool OpenIn(SKData& data, const std::string& folder) {
  return data.OpenArchive(folder + "Skarveth.dat", folder + "Data/");
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

TEST(SKData, FindsMembersWithTheLaterDuplicateWinning) {
  TempDir dir;
  const std::vector<ArchiveMember> members = {{"Models.bmp", Member("first")},
                                              {"Empty.ogg", {}},
                                              {"MODELS.BMP", Member("second")},
                                              {"Chat.ogg", Member("chat")}};
  dir.Write("Skarveth.dat", BuildArchive(members));
  SKData data;
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  EXPECT_EQ(data.FindMember("models.bmp"), 2);
  EXPECT_EQ(data.FindMember("Nothing"), -1);
  EXPECT_EQ(Read(data, "Models.bmp"), "second");
  EXPECT_EQ(Read(data, "Empty.ogg"), "");     // zero-size member in the middle
  EXPECT_EQ(Read(data, "Chat.ogg"), "chat");  // ... and the ones after keep their offsets
  EXPECT_EQ(Read(data, "Missing.ogg"), "");
  data.CloseArchive();
  data.CloseArchive();
  EXPECT_FALSE(data.IsOpen());
  EXPECT_TRUE(data.ArchiveDir().empty());
}

TEST(SKData, LooseFilesInDataOverrideMembers) {
  TempDir dir;
  dir.Write("Skarveth.dat",
            BuildArchive(std::vector<ArchiveMember>{{"Chat.ogg", Member("packed")},
                                                    {"Slide.ogg", Member("packed")},
                                                    {"Two.ogg", Member("packed")}}));
  dir.Write("Data/Chat.ogg", "loose");
  dir.Write("Data/SLIDE.OGG", "any case");
  std::filesystem::create_directories(dir.Path("Data/Two.ogg"));  // a folder is no override
  dir.Write("Data/Only.txt", "not packed");
  SKData data;
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  EXPECT_EQ(Read(data, "Chat.ogg"), "loose");
  EXPECT_EQ(Read(data, "Slide.ogg"), "any case");
  EXPECT_EQ(Read(data, "Two.ogg"), "packed");
  EXPECT_EQ(Read(data, "Only.txt"), "not packed");
  ASSERT_EQ(::mkfifo(dir.Path("Data/Pipe.ogg").c_str(), 0600), 0);
  EXPECT_EQ(Read(data, "Pipe.ogg"), "");  // never blocks on a pipe
}

TEST(SKData, OpensEmptyArchivesAndToleratesSurplusDirectoryBytes) {
  TempDir dir;
  ByteWriter w;
  w.Text(std::string_view("SKARVETH_DATA\x01", 14));
  w.U32(2 + 10 + 4);  // one entry of 10 bytes, then 4 surplus bytes
  w.U16(1);
  w.U32(3);
  w.ShortString("a.bin");
  w.U32(0xEEEEEEEE);
  w.Text("xyz");
  dir.Write("Skarveth.dat", w.Data());
  SKData data;
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  EXPECT_EQ(data.ArchiveDir()[0].offset, 18 + 16);
  EXPECT_EQ(Read(data, "a.bin"), "xyz");

  dir.Write("Skarveth.dat", BuildArchive(std::vector<ArchiveMember>{}));
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  EXPECT_TRUE(data.ArchiveDir().empty());
}

TEST(SKData, RefusesFilesOfAnotherKind) {
  TempDir dir;
  SKData data;
  EXPECT_FALSE(OpenIn(data, dir.Root()));  // missing
  dir.Write("Skarveth.dat", std::string("SKARVETH_DATA", 13));
  EXPECT_FALSE(OpenIn(data, dir.Root()));  // shorter than the magic
  dir.Write("Skarveth.dat", std::string("SKARVETH_DATA\x02\x02\0\0\0\0\0", 20));
  EXPECT_FALSE(OpenIn(data, dir.Root()));  // version byte 2
  std::filesystem::create_directories(dir.Path("Dir/Skarveth.dat"));
  EXPECT_FALSE(OpenIn(data, dir.Path("Dir/")));
  EXPECT_FALSE(data.IsOpen());
}

TEST(SKData, DamagedArchivesAreReadErrors) {
  TempDir dir;
  SKData data;
  const auto open = [&] { OpenIn(data, dir.Root()); };
  dir.Write("Skarveth.dat", std::string("SKARVETH_DATA\x01\x02\0", 16));
  EXPECT_EQ(ErrorOf(open), "Stream read error");  // cut inside the directory length
  dir.Write("Skarveth.dat", std::string("SKARVETH_DATA\x01\xFF\xFF\xFF\x7F\x01\x00", 20));
  EXPECT_EQ(ErrorOf(open), "Stream read error");  // a directory far beyond the file
  dir.Write("Skarveth.dat", std::string("SKARVETH_DATA\x01\x02\0\0\0\x05\0", 20));
  EXPECT_EQ(ErrorOf(open), "Stream read error");  // five entries announced, none there
  EXPECT_FALSE(data.IsOpen());

  auto bytes = BuildArchive(std::vector<ArchiveMember>{{"a", Member("12345")}, {"b", Member("6")}});
  bytes.resize(bytes.size() - 2);  // cuts off b and the end of a
  dir.Write("Skarveth.dat", bytes);
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  TMemoryStream stream;
  EXPECT_EQ(ErrorOf([&] { data.LoadMember("a", stream); }), "Stream read error");
  EXPECT_EQ(ErrorOf([&] { data.LoadMember("b", stream); }), "Stream read error");
}

TEST(SKData, UnreadableOverrideNamesItsPath) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TempDir dir;
  dir.Write("Skarveth.dat", BuildArchive(std::vector<ArchiveMember>{}));
  dir.Write("Data/Chat.ogg", "x");
  ::chmod(dir.Path("Data/Chat.ogg").c_str(), 0);
  SKData data;
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  TMemoryStream stream;
  EXPECT_EQ(ErrorOf([&] { data.LoadMember("Chat.ogg", stream); }),
            "Cannot open file " + dir.Root() + "Data/Chat.ogg");
}

// Members and loose files over 64 MB are refused as they are met, before any of them is read.
TEST(SKData, MembersAndOverridesAreCappedAt64MB) {
  TempDir dir;
  const std::uint32_t too_large = kMaxMemberSize + 1;
  ByteWriter directory;
  directory.U16(2);
  for (const auto& [name, size] : {std::pair{"fits.bin", kMaxMemberSize}, {"Big.bin", too_large}}) {
    directory.U32(size);
    directory.ShortString(name);
  }
  const std::vector<std::uint8_t> block = directory.Take();
  ByteWriter header;
  header.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(kArchiveMagic.data()), 14));
  header.U32(static_cast<std::uint32_t>(block.size()));
  std::vector<std::uint8_t> archive = header.Take();
  archive.insert(archive.end(), block.begin(), block.end());
  dir.Write("Skarveth.dat", archive);
  const std::uint64_t size = archive.size() + std::uint64_t{kMaxMemberSize} + too_large;
  ASSERT_EQ(::truncate(dir.Path("Skarveth.dat").c_str(), static_cast<off_t>(size)), 0);
  SKData data;
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  TMemoryStream stream;
  EXPECT_EQ(ErrorOf([&] { data.LoadMember("big.bin", stream); }), "Stream read error");
  data.LoadMember("fits.bin", stream);
  EXPECT_EQ(stream.Size(), kMaxMemberSize);
  stream.Clear();

  dir.Write("Data/Huge.ogg", "");
  ASSERT_EQ(::truncate(dir.Path("Data/Huge.ogg").c_str(), too_large), 0);
  EXPECT_EQ(ErrorOf([&] { data.LoadMember("Huge.ogg", stream); }),
            "Cannot open file " + dir.Root() + "Data/Huge.ogg");
}

// A directory length of a gigabyte, in a file that long: the surplus is skipped, never read.
TEST(SKData, HugeDirectoryLengthsReadOnlyWhatEntriesCanUse) {
  TempDir dir;
  const std::uint32_t length = 1u << 30;
  ByteWriter archive;
  archive.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(kArchiveMagic.data()), 14));
  archive.U32(length);
  archive.U16(1);
  archive.U32(3);
  archive.ShortString("a");
  dir.Write("Skarveth.dat", archive.Take());
  ASSERT_EQ(::truncate(dir.Path("Skarveth.dat").c_str(), 18 + length + 3), 0);
  const std::size_t before = test::PeakResidentBytes();
  SKData data;
  ASSERT_TRUE(OpenIn(data, dir.Root()));
  EXPECT_LT(test::PeakResidentBytes(), before + (64u << 20));
  ASSERT_EQ(data.ArchiveDir().size(), 1u);
  EXPECT_EQ(data.ArchiveDir()[0].offset, 18 + std::int64_t{length});
  EXPECT_EQ(Read(data, "a"), std::string(3, '\0'));
}

}  // namespace
}  // namespace sk
