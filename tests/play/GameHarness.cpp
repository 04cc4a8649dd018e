#include "GameHarness.h"

#include <gtest/gtest.h>

#include "common/ByteWriter.h"
#include "game/frontend/GameScreen.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"
#include "support/JpegEncode.h"

namespace sk::test {
namespace {

// Frames side by side, each filled with its own colour.
TPicture Strip(int frame_width, int height, int frames, TRgb (*color)(int)) {
  TPicture p(frame_width * frames, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < p.Width; ++x) p.At(x, y) = color(x / frame_width);
  }
  return p;
}

// Eight models "^<n>Name<k>" with chat lines "Name<k> line <c>".
Bytes ModelsDef() {
  std::string text;
  for (int k = 0; k < 8; ++k) {
    text += "^" + std::to_string(k % 7 + 1) + "Name" + std::to_string(k) + "\r\n";
    for (int c = 0; c < 10; ++c) {
      text += "Name" + std::to_string(k) + " line " + std::to_string(c) + "\r\n";
    }
  }
  return Bytes(text.begin(), text.end());
}

Bytes GameArchive() {
  return MakeArchive({
      {"Cursor.bmp", EncodeBmp(TPicture(16, 16))},  // all black: the key, so nothing shows
      {"Models.bmp", EncodeBmp(Strip(50, 80, 8, ModelColor))},
      {"RailTrail.bmp", EncodeBmp(TPicture(8, 64, kTrailColor))},
      {"RailBar.bmp", EncodeBmp(TPicture(64, 10, kBarColor))},
      {"Numbers.bmp", EncodeBmp(Strip(32, kDigitHeight, 10, DigitColor))},
      {"Blood.bmp", EncodeBmp(Strip(kBloodSize, kBloodSize, 3, BloodColor))},
      {"Models.def", ModelsDef()},
  });
}

}  // namespace

Bytes MakeMapFile(const std::vector<std::vector<TWayPoint>>& paths, TPoint final_waypoint,
                  const TPicture* mask, int background_width, int background_height) {
  const Bytes jpeg = EncodeJpeg(TPicture(background_width, background_height, TRgb{64, 64, 64}));
  const Bytes bmp = mask ? EncodeBmp(*mask) : Bytes{};
  // Written field by field, so that paths the map builder refuses (no waypoint at all) can
  // be tried too.
  ByteWriter w;
  w.Bytes(kMapMagic);
  w.ShortString("Test");
  w.I16(static_cast<std::int16_t>(final_waypoint.X));
  w.I16(static_cast<std::int16_t>(final_waypoint.Y));
  w.U8(static_cast<std::uint8_t>(paths.size()));
  for (const auto& path : paths) {
    w.U8(static_cast<std::uint8_t>(path.size()));
    for (const TWayPoint& p : path) {
      w.I16(p.X);
      w.I16(p.Y);
      w.U16(p.Frames);
    }
  }
  w.I32(static_cast<std::int32_t>(jpeg.size()));
  w.I32(static_cast<std::int32_t>(bmp.size()));
  w.Bytes(jpeg);
  w.Bytes(bmp);
  return w.Take();
}

GameHarness::GameHarness(const std::string& extra_ini,
                         const std::vector<std::pair<std::string, Bytes>>& maps)
    : Harness("", TFolder::Empty) {
  // "$DIR/" in the settings stands for the program folder (for TestMap).
  std::string ini = "[Skarveth Configuration]\nFullScreen=0\nSkipIntro=1\nName=^2Ace\n" + extra_ini;
  if (const auto at = ini.find("$DIR/"); at != std::string::npos) ini.replace(at, 5, dir.Root());
  dir.Write("Skarveth.ini", ini);
  dir.Write("Skarveth.dat", GameArchive());
  for (const auto& [name, bytes] : maps) dir.Write("Maps/" + name, bytes);
  desktop.timeOfDay = 4242;
  Start();
  EXPECT_FALSE(app->Terminated) << (desktop.errorBoxes.empty() ? "" : desktop.errorBoxes[0]);
  TakeSounds();
}

void GameHarness::Play(const std::string& file) {
  for (std::size_t i = 0; i < app->MapList.size(); ++i) {
    if (app->MapList[i].FileName == file)
      MenuRecord(*app).SelectedMap = static_cast<std::int32_t>(i);
  }
  EnterGame(*app);
  ASSERT_EQ(app->ScreenState, kScreenGame) << file << " does not load";
  TakeSounds();
}

void GameHarness::SkipCountdown() {
  GameRecord(*app).CountdownTime = 0;
  GameRecord(*app).MatchState = TMatchState::Running;
}

void GameHarness::Steps(int n) {
  for (int k = 0; k < n; ++k) Frame(1);
  EXPECT_TRUE(desktop.errorBoxes.empty()) << desktop.errorBoxes.front();
}

void GameHarness::Place(std::size_t i, std::int32_t position, std::int32_t type) {
  TWalkingModel& model = GameRecord(*app).WalkingModels.at(i);
  model.Active = true;
  model.Position = position;
  model.ModelType = type;
  model.Dying = 0;
}

}  // namespace sk::test
