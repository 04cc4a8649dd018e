#include <gtest/gtest.h>

#include <filesystem>

#include "MapTestFiles.h"
#include "game/maps/MapList.h"
#include "game/maps/MapName.h"

namespace sk {
namespace {

using test::TempFolder;
using test::WriteBytes;

std::vector<std::uint8_t> Header(const std::string& name) {
  std::vector<std::uint8_t> bytes(kMapMagic.begin(), kMapMagic.end());
  bytes.push_back(static_cast<std::uint8_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  return bytes;  // the rest of a map is never read for the list
}

TEST(ReadMapName, ReadsOnlyMagicAndName) {
  TempFolder folder;
  const std::string path = folder.Path() + "x.map";
  WriteBytes(path, Header("Harbour ^1Night"));
  EXPECT_EQ(ReadMapName(path), "Harbour ^1Night");
  std::vector<std::uint8_t> cut = Header("Harbour");
  cut.pop_back();
  WriteBytes(path, cut);
  EXPECT_EQ(ReadMapName(path), std::nullopt);
  WriteBytes(path, std::vector<std::uint8_t>(kMapMagic.begin(), kMapMagic.end()));
  EXPECT_EQ(ReadMapName(path), std::nullopt);
  std::vector<std::uint8_t> other = Header("Harbour");
  other[0] = 's';
  WriteBytes(path, other);
  EXPECT_EQ(ReadMapName(path), std::nullopt);
  EXPECT_EQ(ReadMapName(folder.Path() + "none.map"), std::nullopt);
  EXPECT_EQ(ReadMapName(folder.Path()), std::nullopt);
}

TEST(MapList, SortedWithoutRegardToCaseBadFilesLeftOut) {
  TempFolder folder;
  const std::string maps = folder.Path() + "Maps/";
  std::filesystem::create_directory(maps);
  WriteBytes(maps + "c.MAP", Header("Third"));
  WriteBytes(maps + "A.map", Header("First"));
  WriteBytes(maps + "b.map", Header("Second"));
  WriteBytes(maps + "B.map", Header("Second too"));
  WriteBytes(maps + "bb.map", Header("Same name"));
  WriteBytes(maps + "ba.map", {'S', 'K', 'A', 'R'});           // too short
  WriteBytes(maps + "bc.map", Header("Same name"));
  std::vector<std::uint8_t> cut = Header("Cut");
  cut.pop_back();
  WriteBytes(maps + "bd.map", cut);                              // ends inside the name
  WriteBytes(maps + "notes.txt", Header("Not listed"));
  WriteBytes(maps + "b.mapx", Header("Not listed"));
  std::filesystem::create_directory(maps + "folder.map");
  // Windows-1252: 0xC4 folds to 0xE4, which sorts after every ASCII letter.
  WriteBytes(maps + "\xC4rger.map", Header("Umlaut"));
  WriteBytes(maps + "zebra.map", Header("Zebra"));

  const TMapList list = BuildMapList({maps});
  const TMapList expected = {
      {"First", "A.map", maps},      {"Second too", "B.map", maps},    {"Second", "b.map", maps},
      {"Same name", "bb.map", maps}, {"Same name", "bc.map", maps},    {"Third", "c.MAP", maps},
      {"Zebra", "zebra.map", maps},  {"Umlaut", "\xC4rger.map", maps},
  };
  EXPECT_EQ(list, expected);
}

TEST(MapList, MissingOrEmptyFolderGivesAnEmptyList) {
  TempFolder folder;
  EXPECT_TRUE(BuildMapList({folder.Path() + "Maps/"}).empty());
  std::filesystem::create_directory(folder.Path() + "Maps");
  EXPECT_TRUE(BuildMapList({folder.Path() + "Maps/"}).empty());
}

}  // namespace
}  // namespace sk
