#include <gtest/gtest.h>

#include <filesystem>

#include "support/JpegEncode.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tools/skedit/model/EditDocument.h"
#include "tools/skedit/model/MapFiles.h"
#include "tools/skedit/model/PathEdits.h"
#include "tools/skedit/model/Recovery.h"

namespace sk::edit {
namespace {

std::vector<TWayPoint> Path(const TEditDocument& doc, std::size_t p = 0) {
  return doc.Map().Content.Paths[p];
}

TMapDescription OnePathMap() {
  TMapDescription d;
  d.Content = TMapContent{"Test", 300, 0, {{}}};
  return d;
}

TEST(EditDocument, EveryEditUndoesAndRedoesAndADragIsOneStep) {
  TEditDocument doc(OnePathMap());
  doc.Apply([](TMapDescription& m) { return AppendWaypoint(m.Content, 0, 0, 0); });
  doc.Apply([](TMapDescription& m) { return AppendWaypoint(m.Content, 0, 100, 0); });
  doc.BeginGesture();
  for (int x = 101; x <= 150; ++x)
    doc.ApplyLive([x](TMapDescription& m) { return MoveWaypoint(m.Content, 0, 1, x, 0); });
  doc.EndGesture();
  // A refused edit (a ninth path would be fine, a move off the 16-bit range is not) adds nothing.
  EXPECT_FALSE(doc.Apply([](TMapDescription& m) { return MoveExit(m.Content, 40000, 0); }));
  EXPECT_EQ(Path(doc)[1].X, 150);
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(Path(doc)[1].X, 100);  // the whole drag at once
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(Path(doc).size(), 1u);
  ASSERT_TRUE(doc.Redo());
  ASSERT_TRUE(doc.Redo());
  EXPECT_EQ(Path(doc)[1].X, 150);
  EXPECT_FALSE(doc.Redo());
  doc.MarkSaved();
  EXPECT_FALSE(doc.Modified());
  doc.Undo();
  EXPECT_TRUE(doc.Modified());
  // A new edit after an undo drops the redo steps, and with them the saved state.
  doc.Apply([](TMapDescription& m) { return AddPath(m.Content); });
  EXPECT_FALSE(doc.CanRedo());
  EXPECT_TRUE(doc.Modified());
}

// Worked by hand: the exit lies at (300, 0); 1.5 px/tick is the speed a new path gets.
TEST(PathEdits, SegmentsKeepTheirSpeedAndTheFramesFollow) {
  TMapContent m{"Test", 300, 0, {{}}};
  ASSERT_TRUE(AppendWaypoint(m, 0, 0, 0));
  EXPECT_EQ(m.Paths[0][0].Frames, 200);  // 300 px at 1.5
  ASSERT_TRUE(SetSegmentSpeed(m, 0, 0, 3.0));
  EXPECT_EQ(m.Paths[0][0].Frames, 100);
  ASSERT_TRUE(AppendWaypoint(m, 0, 150, 0));  // (0,0)->(150,0) keeps 3.0, the new one too
  EXPECT_EQ(m.Paths[0][0].Frames, 50);
  EXPECT_EQ(m.Paths[0][1].Frames, 50);
  ASSERT_TRUE(MoveExit(m, 450, 0));  // 300 px now, still at 3.0
  EXPECT_EQ(m.Paths[0][1].Frames, 100);
  ASSERT_TRUE(InsertWaypoint(m, 0, 0, 75, 0));  // both halves of 150 px at 3.0
  EXPECT_EQ(m.Paths[0][0].Frames, 25);
  EXPECT_EQ(m.Paths[0][1].Frames, 25);
  ASSERT_TRUE(RemoveWaypoint(m, 0, 1));  // (0,0)->(150,0) again at 3.0
  EXPECT_EQ(m.Paths[0][0].Frames, 50);
  ASSERT_TRUE(SetPathSpeed(m, 0, 0.5));  // 150 px and 300 px
  EXPECT_EQ(m.Paths[0][0].Frames, 300);
  EXPECT_EQ(m.Paths[0][1].Frames, 600);
  EXPECT_NEAR(SegmentSpeed(m, 0, 1), 0.5, 1e-9);
}

TEST(PathEdits, PathsStayWithinTheFormatsLimits) {
  TMapContent m{"Test", 0, 0, {{TWayPoint{1, 2, 3}}}};
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(DuplicatePath(m, 0));
  EXPECT_FALSE(AddPath(m));
  EXPECT_FALSE(DuplicatePath(m, 0));
  ASSERT_TRUE(MovePath(m, 0, 7));
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(DeletePath(m, 0));
  EXPECT_FALSE(DeletePath(m, 0));  // a map keeps one path
  m.Paths[0].assign(kMaxPathWaypoints, TWayPoint{1, 1, 1});
  EXPECT_FALSE(AppendWaypoint(m, 0, 5, 5));
  EXPECT_FALSE(InsertWaypoint(m, 0, 0, 5, 5));
}

class SavedMap : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("bg.jpg", test::EncodeJpeg(TPicture(640, 480, TRgb{40, 80, 120})));
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
  }
  void TearDown() override { std::filesystem::current_path(previous); }

  // What SKMAP makes of the saved description, in the same folder.
  std::string Skmap(const std::string& description, const std::string& map) {
    const std::string made = dir.Read(map);
    std::filesystem::remove(dir.Path(map));
    const auto run = RunProcess(std::string(SK_GAME_DIR) + "/SKMAP " + description);
    EXPECT_NE(run.output.find("SUCCESS"), std::string::npos) << run.output;
    EXPECT_EQ(dir.Read(map), made);
    return made;
  }

  TempDir dir;
  std::filesystem::path previous;
};

TEST_F(SavedMap, IsTheFileSkmapMakesFromTheSavedDescription) {
  TOpenedMap work = NewMap("My map.ini", "bg.jpg", "", "Maps/");
  TMapContent& m = work.Map.Content;
  m.Name = "  Quoted \"name\" ";
  ASSERT_TRUE(AppendWaypoint(m, 0, -60, 300));
  ASSERT_TRUE(AppendWaypoint(m, 0, 200, 310));
  ASSERT_TRUE(DuplicatePath(m, 0));
  ASSERT_TRUE(MoveWaypoint(m, 1, 0, 700, 250));
  // The player's map folder may not exist yet.
  EXPECT_EQ(SaveMap(work.DescriptionFile, work.Map, work.Pending), std::nullopt);
  EXPECT_FALSE(Skmap("'My map.ini'", "Maps/My map.map").empty());
  std::string problem;
  const auto reopened = OpenDescription("My map.ini", problem);
  ASSERT_TRUE(reopened) << problem;
  EXPECT_TRUE(SameMap(reopened->Map, work.Map));
}

TEST_F(SavedMap, OfAShippedMapRebuildsItByteForByteWithItsPicturesBeside) {
  const std::string shipped = std::string(SK_GAME_DIR) + "/Maps/Rustyard.map";
  if (!std::filesystem::exists(shipped)) GTEST_SKIP() << "no shipped map built";
  std::filesystem::copy_file(shipped, dir.Path("Rustyard.map"));
  std::filesystem::copy_file(shipped, dir.Path("shipped.map"));
  std::string problem;
  auto work = OpenMapFile("Rustyard.map", problem);
  ASSERT_TRUE(work) << problem;
  EXPECT_EQ(SaveMap(work->DescriptionFile, work->Map, work->Pending), std::nullopt);
  EXPECT_TRUE(dir.Exists("Rustyard.jpg"));
  EXPECT_TRUE(dir.Exists("Rustyard_mask.bmp"));
  EXPECT_EQ(Skmap("Rustyard.ini", "Rustyard.map"), dir.Read("shipped.map"));
}

TEST_F(SavedMap, ThatSkmapWouldRefuseWritesNothingAndSaysWhy) {
  TOpenedMap work = NewMap("new.ini", "bg.jpg", "", "Maps/");
  EXPECT_EQ(SaveMap(work.DescriptionFile, work.Map, work.Pending),
            "Path 1 must contain at least one waypoint.");
  ASSERT_TRUE(AppendWaypoint(work.Map.Content, 0, 1, 1));
  work.Map.BackgroundJPEG = "missing.jpg";
  EXPECT_EQ(SaveMap(work.DescriptionFile, work.Map, work.Pending),
            "Cannot open JPEG background file.");
  EXPECT_FALSE(dir.Exists("new.ini"));
  EXPECT_FALSE(dir.Exists("Maps"));
}

TEST_F(SavedMap, RecoveryGivesBackTheWorkAndItsPlace) {
  TOpenedMap work = NewMap("new.ini", "bg.jpg", "", "Maps/");
  ASSERT_TRUE(AppendWaypoint(work.Map.Content, 0, 10, 20));
  ASSERT_TRUE(WriteRecovery(dir.Path("state/recovery.ini"), work, ""));
  const auto back = ReadRecovery(dir.Path("state/recovery.ini"));
  ASSERT_TRUE(back);
  EXPECT_TRUE(SameMap(back->Map, work.Map));
  EXPECT_EQ(back->DescriptionFile, "new.ini");
  RemoveRecovery(dir.Path("state/recovery.ini"));
  EXPECT_FALSE(ReadRecovery(dir.Path("state/recovery.ini")));
}

}  // namespace
}  // namespace sk::edit
