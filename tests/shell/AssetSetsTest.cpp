#include <gtest/gtest.h>

#include "common/Error.h"
#include "game/frontend/ScreenPictures.h"
#include "game/shell/AssetSets.h"
#include "support/Harness.h"

namespace sk::test {
namespace {

// name, transparent, colour, system memory, pattern width, pattern height
using Row = std::tuple<std::string, bool, TColor, bool, int, int>;

std::vector<Row> Rows(const TImageList& list) {
  std::vector<Row> rows;
  for (const auto& i : list.Images) {
    rows.emplace_back(i->Name, i->Transparent, i->TransparentColor, i->SystemMemory,
                      i->PatternWidth, i->PatternHeight);
  }
  return rows;
}

class AssetSets : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(OpenArchive()); }
  // The harness folder's archive and loose files, as the game opens them.
  bool OpenArchive() {
    const TGamePaths paths = h.desktop.Paths();
    return h.app->Data.OpenArchive(paths.ArchiveFile(), paths.OverrideFolder());
  }
  Harness h;
};

TEST_F(AssetSets, GameSet) {
  LoadGameImages(h.app->Data, h.app->DXImageList());
  EXPECT_EQ(Rows(h.app->DXImageList()),
            (std::vector<Row>{{"Cursor.bmp", true, 0x000000, false, 0, 0},
                              {"Models.bmp", true, 0xFF00FF, false, 50, 0},
                              {"RailTrail.bmp", true, 0x000000, true, 0, 0},
                              {"RailBar.bmp", false, 0x000000, false, 0, 0},
                              {"Numbers.bmp", true, 0xFF00FF, false, 32, 0},
                              {"Blood.bmp", true, 0xFF00FF, false, 64, 0},
                              {"Map_Background.jpg", false, 0x000000, false, 0, 0},
                              {"Map_Mask.bmp", true, 0xFF00FF, false, 0, 0}}));
  const auto& images = h.app->DXImageList().Images;
  EXPECT_EQ(images[1]->Picture.Width, 400);  // decoded from the archive
  EXPECT_EQ(images[6]->Picture.Width, 0);    // left for the map loader
  EXPECT_EQ(images[7]->Picture.Width, 0);
}

TEST_F(AssetSets, MenuSet) {
  LoadGameImages(h.app->Data, h.app->DXImageList());
  LoadMenuImages(h.app->Data, h.app->DXImageList());
  EXPECT_EQ(Rows(h.app->DXImageList()),
            (std::vector<Row>{{"Menu_Cursor.bmp", true, 0x000000, false, 0, 0},
                              {"Menu_Logo.bmp", true, 0xFF00FF, false, 0, 0},
                              {"Menu_Background.bmp", false, 0x000000, false, 0, 0}}));
}

TEST_F(AssetSets, IntroSetCutsTheLogoIntoTwoHalvesRoundedDown) {
  LoadIntroImages(h.app->Data, h.app->DXImageList());
  EXPECT_EQ(Rows(h.app->DXImageList()),
            (std::vector<Row>{{"Models.bmp", true, 0xFF00FF, true, 50, 0},
                              {"Logo_Vosk.bmp", true, 0xFF00FF, true, 0, 0},
                              {"Menu_Logo.bmp", true, 0xFF00FF, false, 0, 40},
                              {"Menu_Background.bmp", false, 0x000000, false, 0, 0}}));
}

TEST_F(AssetSets, ALooseFileWinsAndAMissingMemberGivesAnEmptyPicture) {
  std::filesystem::create_directories(h.dir.Path("Data"));
  h.WriteFile("Data/Menu_Logo.bmp", MakeBmp(10, 7));
  auto members = FullMemberSet();
  members.erase(members.begin() + 8);  // Menu_Background.bmp
  h.WriteFile("Skarveth.dat", MakeArchive(members));
  ASSERT_TRUE(OpenArchive());
  LoadIntroImages(h.app->Data, h.app->DXImageList());
  EXPECT_EQ(FindImage(h.app->DXImageList(), "Menu_Logo.bmp").PatternHeight, 3);
  EXPECT_EQ(FindImage(h.app->DXImageList(), "Menu_Background.bmp").Picture.Width, 0);
}

TEST_F(AssetSets, ANonBitmapMemberIsAnError) {
  std::filesystem::create_directories(h.dir.Path("Data"));
  h.WriteFile("Data/Cursor.bmp", std::string("not a picture"));
  EXPECT_THROW(LoadGameImages(h.app->Data, h.app->DXImageList()), Error);
}

TEST_F(AssetSets, SoundsLoadByTheirFixedNumbers) {
  h.app->Sound.EngineStarted = true;
  LoadSounds(h.app->Data, h.app->SoundModule());
  ASSERT_EQ(h.audio.sampleSizes.size(), 15u);
  // The test archive gives effect n a member of 10 + n bytes, in the order of the table.
  for (int n = 0; n < 15; ++n) EXPECT_EQ(h.audio.sampleSizes[n], 10u + n) << n;
  EXPECT_EQ(h.log.lines.back(), "SetSongVolume 1 255");
}

}  // namespace
}  // namespace sk::test
