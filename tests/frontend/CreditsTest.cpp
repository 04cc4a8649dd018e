#include <gtest/gtest.h>

#include <string>

#include "IntroCreditsHarness.h"
#include "game/frontend/CreditsDrawing.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/render/ColorText.h"
#include "game/shell/SKMain.h"

namespace sk::test {
namespace {

class Credits : public ::testing::Test {
 protected:
  void SetUp() override { h.StartCredits(); }
  // Runs frames until the credits are left; the number of frames it took.
  int FramesUntilMenu(int limit = 5000) {
    for (int frame = 1; frame <= limit; ++frame) {
      CreditsFrame(*h.app);
      if (h.app->ScreenState != kScreenCredits) return frame;
    }
    return -1;
  }
  IntroCreditsHarness h;
};

TEST_F(Credits, EndAfter4040TicksOr4039WhenAnEarlierVisitLeftTheHalfTickSet) {
  EXPECT_EQ(FramesUntilMenu(), 4040);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMain);
  EXPECT_EQ(h.display->FlipCount, 4040);

  EnterCredits(*h.app);
  for (int i = 0; i < 3; ++i) CreditsFrame(*h.app);  // an odd number of ticks
  h.Press(kVkEscape);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EnterCredits(*h.app);
  EXPECT_EQ(CreditsRecord(*h.app).CreditsCounter, -500);
  h.LoseDisplay();  // counting alone decides the end; spare the drawing
  EXPECT_EQ(FramesUntilMenu(), 4039);
}

TEST_F(Credits, OnlyEscapeOrALeftClickLeaveEarly) {
  CreditsKeyDown(*h.app, 'A');
  CreditsKeyDown(*h.app, kVkReturn);
  h.Send(Harness::Click(TMouseButton::Right, 0, 0));
  EXPECT_EQ(h.app->ScreenState, kScreenCredits);
  CreditsClick(*h.app);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_TRUE(h.PlayedEffects().empty());
}

TEST_F(Credits, KeepCountingWithoutDrawingWhileTheDisplayCannotDraw) {
  h.LoseDisplay();
  for (int i = 0; i < 10; ++i) CreditsFrame(*h.app);
  EXPECT_EQ(CreditsRecord(*h.app).CreditsCounter, -495);
  EXPECT_EQ(h.display->FlipCount, 0);
  CreditsRecord(*h.app).CreditsCounter = 1519;  // and still end on time
  CreditsFrame(*h.app);
  CreditsFrame(*h.app);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
}

// Rows of the band holding text (anything but black).
std::vector<int> TextRows(const TSurface& s) {
  std::vector<int> rows;
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = kCreditsBand.Left; x < kCreditsBand.Right; ++x) {
      if (s.At(x, y) != 0) {
        rows.push_back(y);
        break;
      }
    }
  }
  return rows;
}

TEST_F(Credits, LinesAre40PixelsApartInGreyInsideTheBlackBand) {
  CreditsRecord(*h.app).CreditsCounter = 60;  // line 2 centred on y = 20, line 13 on y = 460
  CreditsRecord(*h.app).CreditsHalfTick = false;
  CreditsFrame(*h.app);
  const std::vector<int> rows = TextRows(h.Back());
  ASSERT_FALSE(rows.empty());
  EXPECT_GE(rows.front(), 20 - 8);  // nothing of line 1 (centred on y = -20) shows
  EXPECT_LE(rows.back(), 460 + 8);
  for (int y : rows) {  // every text row lies within 8 pixels of a line's centre
    const int offset = (y + 60) % 40;
    EXPECT_TRUE(offset <= 8 || offset >= 32) << y;
  }
  int grey = 0;
  for (int x = 80; x < 560; ++x) grey += h.Pixel(x, 20) == Px(RgbColor(192, 192, 192));
  EXPECT_GT(grey, 0);
  for (int y = 0; y < kScreenHeight; y += 7) {  // the scrolling background beside the band
    EXPECT_EQ(h.Pixel(79, y), Px(kTileColor));
    EXPECT_EQ(h.Pixel(560, y), Px(kTileColor));
  }
}

TEST_F(Credits, EnteringAgainStartsTheSameScrollFromTheBeginning) {
  auto band = [this] {
    std::vector<std::uint16_t> pixels;
    for (int y = 0; y < kScreenHeight; ++y)
      for (int x = kCreditsBand.Left; x < kCreditsBand.Right; ++x) pixels.push_back(h.Pixel(x, y));
    return pixels;
  };
  for (int i = 0; i < 1100; ++i) CreditsFrame(*h.app);  // counter -500 + 550 = 50
  const auto first = band();
  EXPECT_FALSE(TextRows(h.Back()).empty());
  for (int i = 0; i < 900; ++i) CreditsFrame(*h.app);
  CreditsClick(*h.app);
  EnterCredits(*h.app);
  for (int i = 0; i < 1100; ++i) CreditsFrame(*h.app);
  EXPECT_EQ(CreditsRecord(*h.app).CreditsCounter, 50);
  EXPECT_EQ(band(), first);
}

TEST(CreditLines, HoldTheFixedLinesWordForWord) {
  ASSERT_EQ(CreditLines.size(), 38u);
  EXPECT_EQ(CreditLines[0], ". : : C O D E N A M E : S K A R V E T H : : .");
  EXPECT_EQ(CreditLines[1], "by");
  for (std::size_t i : {3u, 6u, 15u, 28u, 36u}) EXPECT_EQ(CreditLines[i], "---") << i;
  EXPECT_EQ(CreditLines[7], "< C O D E >");
  EXPECT_EQ(CreditLines[9], "< G F X >");
  EXPECT_EQ(CreditLines[11], "< S F X >");
  EXPECT_EQ(CreditLines[13], "< M A P S >");
  EXPECT_EQ(CreditLines[16], "< S P E C I A L  T H A N K S >");
  EXPECT_EQ(CreditLines[27], "and Others...");
  EXPECT_EQ(CreditLines[29], "Any Suggestions, Questions or Comments Please Send to:");
  EXPECT_EQ(CreditLines[31], "Updates, Download , New Maps and Information");
  EXPECT_EQ(CreditLines[32], "Are Available at Our Website:");
  EXPECT_EQ(CreditLines[34], "Don't Forget to Check Website of Our Enemies:");
  // The programmer also made the sounds; the artist also made the maps.
  EXPECT_EQ(CreditLines[12], CreditLines[8]);
  EXPECT_EQ(CreditLines[14], CreditLines[10]);
  EXPECT_EQ(CreditLines[2], "Vosk Game Works");
}

TEST(CreditLines, EveryLineFitsTheBand) {
  IntroCreditsHarness h;
  h.Load();
  TTextCanvas& canvas = SurfaceCanvas(h.app->Graphics);
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  for (std::string_view line : CreditLines) {
    EXPECT_LE(canvas.TextWidth(line), kCreditsBand.Width()) << line;
  }
  ReleaseCanvas(canvas);
}

}  // namespace
}  // namespace sk::test
