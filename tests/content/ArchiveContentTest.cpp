// The built Skarveth.dat holds every member the game asks for, and each one decodes the way
// the game reads it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game/play/ModelDefinitions.h"
#include "game/render/Bmp.h"
#include "tests/content/ContentFiles.h"

namespace sk {
namespace {

using test::GameDir;
using test::Member;

constexpr std::array<const char*, 27> kMembers = {
    "Cursor.bmp",        "Models.bmp",        "RailTrail.bmp",     "RailBar.bmp",
    "Numbers.bmp",       "Blood.bmp",         "Menu_Cursor.bmp",   "Menu_Logo.bmp",
    "Menu_Background.bmp", "Logo_Vosk.bmp",   "Menu_Move.ogg",     "Menu_Next.ogg",
    "Menu_Back.ogg",     "Menu_Disabled.ogg", "RailGun_Shot.ogg",  "Model_Death.ogg",
    "Death.ogg",         "Damage.ogg",        "Excellent.ogg",     "Three.ogg",
    "Two.ogg",           "One.ogg",           "Fight.ogg",         "Chat.ogg",
    "Slide.ogg",         "Green_Shine.s3m",   "Models.def"};

class ArchiveContent : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_.OpenArchive(GameDir() + "Skarveth.dat", GameDir() + "Data/")) << GameDir();
  }
  TPicture Picture(const char* name) { return DecodeBmp(Member(data_, name)); }
  SKData data_;
};

// True when the game's 16-bit conversion (top 5/6/5 bits) turns the pixel into the key.
bool HitsKey(TRgb p, TRgb key) {
  return (p.R >> 3) == (key.R >> 3) && (p.G >> 2) == (key.G >> 2) && (p.B >> 3) == (key.B >> 3);
}

// Pixels that are not exactly the key but would be drawn as transparent, or show as a fringe.
int StrayKeyPixels(const TPicture& picture, TRgb key) {
  int stray = 0;
  for (const TRgb& p : picture.Pixels) {
    if (p != key && HitsKey(p, key)) ++stray;
  }
  return stray;
}

TEST_F(ArchiveContent, EveryMemberIsPresentAndNotEmpty) {
  for (const char* name : kMembers) {
    EXPECT_GE(data_.FindMember(name), 0) << name;
    EXPECT_FALSE(Member(data_, name).empty()) << name;
  }
}

TEST_F(ArchiveContent, PicturesHaveTheSizesTheScreensDrawWith) {
  const TPicture models = Picture("Models.bmp");
  EXPECT_EQ(models.Width, 8 * 50);
  EXPECT_EQ(models.Height, 80);
  const TPicture blood = Picture("Blood.bmp");
  EXPECT_EQ(blood.Width, 3 * 64);
  const TPicture numbers = Picture("Numbers.bmp");
  EXPECT_EQ(numbers.Width, 10 * 32);
  EXPECT_LE(numbers.Height, 60);  // stands on y = 460, above the reload bar
  const TPicture logo = Picture("Menu_Logo.bmp");
  EXPECT_LE(logo.Width, 640);
  EXPECT_LE(logo.Height, 168);  // drawn at y = 32, above the buttons at y = 200
  EXPECT_EQ(logo.Height % 2, 0);  // the intro slides in its two halves
  const TPicture tile = Picture("Menu_Background.bmp");
  EXPECT_EQ(tile.Width, tile.Height);
  EXPECT_GT(tile.Width, 0);
  const TPicture vosk = Picture("Logo_Vosk.bmp");
  EXPECT_LE(vosk.Width, 640);
  EXPECT_LE(vosk.Height, 320);  // inside the intro's dark band
  for (const char* name : {"Cursor.bmp", "Menu_Cursor.bmp", "RailTrail.bmp", "RailBar.bmp"}) {
    EXPECT_FALSE(Picture(name).Empty()) << name;
  }
}

TEST_F(ArchiveContent, CursorsPutTheirMarkOnTheCentrePixel) {
  for (const char* name : {"Cursor.bmp", "Menu_Cursor.bmp"}) {
    const TPicture cursor = Picture(name);
    const TRgb centre = cursor.At(cursor.Width / 2, cursor.Height / 2);
    EXPECT_FALSE(HitsKey(centre, TRgb{0, 0, 0})) << name << ": the hot spot is transparent";
  }
}

TEST_F(ArchiveContent, KeyedPicturesHaveCleanEdges) {
  const TRgb magenta{255, 0, 255};
  for (const char* name : {"Models.bmp", "Blood.bmp", "Numbers.bmp", "Menu_Logo.bmp",
                           "Logo_Vosk.bmp"}) {
    EXPECT_EQ(StrayKeyPixels(Picture(name), magenta), 0) << name;
  }
  EXPECT_EQ(StrayKeyPixels(Picture("Menu_Cursor.bmp"), TRgb{0, 0, 0}), 0);
  // The floor tile and the reload bar are drawn opaque: no magenta that would look like a hole.
  for (const char* name : {"Menu_Background.bmp", "RailBar.bmp"}) {
    const TPicture p = Picture(name);
    for (const TRgb& px : p.Pixels) ASSERT_FALSE(HitsKey(px, magenta)) << name;
  }
}

TEST_F(ArchiveContent, EveryModelStandsOnTheBottomCentreOfItsFrame) {
  const TPicture models = Picture("Models.bmp");
  const TRgb magenta{255, 0, 255};
  for (int k = 0; k < 8; ++k) {
    int bottom_left = 50, bottom_right = -1, top = 80;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 50; ++x) {
        if (models.At(50 * k + x, y) == magenta) continue;
        top = std::min(top, y);
        if (y == 79) {
          bottom_left = std::min(bottom_left, x);
          bottom_right = std::max(bottom_right, x);
        }
      }
    }
    EXPECT_LE(top, 12) << "model " << k << " is far shorter than its frame";
    ASSERT_GE(bottom_right, 0) << "model " << k << " does not reach the bottom row";
    EXPECT_LT(bottom_left, 25) << "model " << k;
    EXPECT_GT(bottom_right, 25) << "model " << k;
  }
}

TEST_F(ArchiveContent, ModelDefinitionsGiveEightCompleteModels) {
  const TModels models = LoadModelDefinitions(data_);
  for (const TModel& model : models) {
    EXPECT_FALSE(model.Name.empty());
    for (const std::string& line : model.Chat) EXPECT_FALSE(line.empty()) << model.Name;
  }
  EXPECT_NE(models[0].Name, models[1].Name);
}

}  // namespace
}  // namespace sk
