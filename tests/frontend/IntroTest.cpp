#include <gtest/gtest.h>

#include <string>

#include "IntroCreditsHarness.h"
#include "game/frontend/IntroDrawing.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/SKMenu.h"
#include "game/render/ColorText.h"
#include "game/shell/SKMain.h"

namespace sk::test {
namespace {

// The grey the intro's first steps stand on.
const std::uint16_t kGrey = Px(RgbColor(89, 89, 89));

struct PixelCheck {
  int X, Y;
  std::uint16_t Colour;
};

class Intro : public ::testing::Test {
 protected:
  void SetUp() override { h.StartIntro(); }
  TIntroState At(int step, int tick) { return TIntroState{step, tick}; }
  // Draws tick `tick` of step `step` and checks the given pixels of the back surface.
  void ExpectPixels(int step, int tick, std::initializer_list<PixelCheck> checks) {
    h.DrawIntroTick(step, tick);
    for (const PixelCheck& c : checks) {
      EXPECT_EQ(h.Pixel(c.X, c.Y), c.Colour)
          << "step " << step << ", tick " << tick << ", (" << c.X << ", " << c.Y << ")";
    }
  }
  IntroCreditsHarness h;
};

TEST_F(Intro, RunsItsStepsFor3130TicksThenShowsTheMainMenuWithoutDrawing) {
  // Steps 0-17 take 2852 ticks, so step 18 starts at tick 2853 and step 21 at tick 3023.
  std::vector<std::pair<int, int>> sounds;  // (tick, effect)
  for (int tick = 1; tick <= 3130; ++tick) {
    IntroFrame(*h.app);
    for (int effect : h.PlayedEffects()) sounds.push_back({tick, effect});
    if (tick == 124 || tick == 125) {
      EXPECT_EQ(IntroRecord(*h.app).IntroStep, tick == 124 ? 0 : 1);
    }
  }
  EXPECT_EQ(sounds, (std::vector<std::pair<int, int>>{{2853, kSlide}, {3023, kModelDeath}}));
  EXPECT_EQ(h.app->ScreenState, kScreenIntro);
  EXPECT_EQ(IntroRecord(*h.app).IntroStep, 22);
  EXPECT_EQ(IntroRecord(*h.app).IntroTick, 46);
  EXPECT_EQ(h.display->FlipCount, 3130);

  IntroFrame(*h.app);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMain);
  EXPECT_EQ(h.display->FlipCount, 3130);
  EXPECT_TRUE(h.PlayedEffects().empty());
}

TEST_F(Intro, ProgressRoundsHalvesToEven) {
  struct Case {
    int step, tick, n, progress;
  };
  // 62 / 124 per tick is exactly a half: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; 640 / 31 = 20.6 -> 21.
  // Then exact halves that 80-bit floating point, divided first, misses (97.49999...):
  // 130 x 93 / 124 = 97.5, and the logo's rise for a logo half 5 or 15 high at step 22, tick
  // 23: 101.5 and 96.5.
  for (const Case& c :
       {Case{0, 1, 62, 0}, Case{0, 3, 62, 2}, Case{0, 5, 62, 2}, Case{0, 124, 62, 62},
        Case{22, 46, 208 - 40, 168}, Case{18, 1, 640, 21}, Case{3, 93, 130, 98},
        Case{3, 93, -130, -98}, Case{22, 23, 208 - 5, 102}, Case{22, 23, 208 - 15, 96}}) {
    EXPECT_EQ(IntroProgress(At(c.step, c.tick), c.n), c.progress)
        << "step " << c.step << ", tick " << c.tick << ", n " << c.n;
  }
}

TEST_F(Intro, TheFirstModelHopsAcrossInThreeHopsLeaningIntoThem) {
  struct Case {
    int tick, x, y, angle;
  };
  // Tick 1: 640/124 = 5.2 -> x 5; 540/124 = 4.4 -> 4 degrees; sin 4 deg = 0.0698. Tick 31:
  // x 160, 135 degrees, sin 0.7071 -> 71 up, 28.3 -> 28. Tick 62: the middle hop's top at 270
  // degrees leans back. Tick 124: landed.
  for (const Case& c : {Case{1, 5, 313, 3}, Case{31, 160, 249, 28}, Case{62, 320, 220, -40},
                        Case{124, 640, 320, 0}}) {
    const TIntroHop hop = IntroModelHop(At(7, c.tick));
    EXPECT_EQ(hop.X, c.x) << "tick " << c.tick;
    EXPECT_EQ(hop.Y, c.y) << "tick " << c.tick;
    EXPECT_EQ(hop.Angle, c.angle) << "tick " << c.tick;
  }
}

TEST_F(Intro, TheHoppingModelIsDrawnUprightAtTheRightEdgeAtTheStepsEnd) {
  // Model 1, centre (640, 320), 50 x 80, in the black band, under the grey.
  const std::uint16_t model = Px(ModelColor(1));
  ExpectPixels(8, 124,
               {{616, 281, model},
                {639, 358, model},
                {612, 320, 0},
                {630, 277, 0},
                {630, 362, 0},
                {10, 40, kGrey}});
}

TEST_F(Intro, StepZeroIsGreyWithABlackBandAndStep17BrightensTheBand) {
  ExpectPixels(0, 1, {{0, 79, kGrey}, {639, 400, kGrey}, {0, 80, 0}, {639, 399, 0}});
  ExpectPixels(17, 62, {{320, 240, Px(RgbColor(44, 44, 44))}});  // the band half way: 44.5 -> 44
  ExpectPixels(17, 124, {{320, 240, kGrey}});
}

TEST_F(Intro, TheMakersLogoIsCentredAndRipplesAwayInStep5) {
  const std::uint16_t logo = Px(kVoskColor);
  // 200 x 100 at (220, 190); fully in and calm again at the end of step 3; gone after step 5.
  ExpectPixels(4, 1, {{220, 190, logo}, {419, 289, logo}, {219, 240, 0}, {420, 240, 0}});
  ExpectPixels(3, 124, {{220, 190, logo}, {219, 240, 0}});
  ExpectPixels(5, 124, {{320, 240, 0}});
  h.DrawIntroTick(5, 62);  // rippling: some rows shifted right of the still logo
  int shifted = 0;
  for (int y = 190; y < 290; ++y) shifted += h.Pixel(425, y) != 0;
  EXPECT_GT(shifted, 0);
  EXPECT_LT(shifted, 100);
}

TEST_F(Intro, TheLogoHalvesSlideInCloseAndRiseToWhereTheMenuShowsIt) {
  // The 300 x 80 logo in halves of 40 rows, x = 320 - 150 = 170.
  const std::uint16_t upper = Px(kUpperHalfColor), lower = Px(kLowerHalfColor);
  const std::uint16_t tile = Px(kTileColor);
  // Halfway through step 18 (640 x 16 / 31 = 330): the upper half still 310 pixels to the
  // right of its place, the lower half as far to the left.
  ExpectPixels(18, 16, {{479, 0, kGrey}, {480, 0, upper}, {159, 440, lower}, {160, 440, kGrey}});
  // In place: upper at the top, lower at the bottom.
  ExpectPixels(18, 31, {{170, 0, upper}, {469, 39, upper}, {170, 440, lower}, {169, 440, kGrey}});
  // Halfway down and up: 200 x 8 / 15 = 106.7.
  ExpectPixels(20, 8, {{170, 106, kGrey}, {170, 107, upper}, {170, 372, lower}, {170, 373, kGrey}});
  // Closed on the middle line.
  ExpectPixels(20, 15,
               {{170, 200, upper}, {170, 239, upper}, {170, 240, lower}, {170, 279, lower}});
  // Over the standing menu background.
  ExpectPixels(21, 1, {{170, 199, tile}, {170, 200, upper}});
  EXPECT_EQ(MenuRecord(*h.app).BackgroundOffset, 0);

  // Halfway up: 168 x 23 / 46 = 84, the middle line at 156.
  ExpectPixels(22, 23, {{170, 115, tile}, {170, 116, upper}, {170, 195, lower}, {170, 196, tile}});
  ExpectPixels(22, 46,
               {{170, 31, tile},
                {170, 32, upper},
                {469, 71, upper},
                {170, 72, lower},
                {469, 111, lower},
                {170, 112, tile}});
  // The menu's main page draws the whole picture at ((640 - 300) / 2, 32): the same place.
  EXPECT_EQ((640 - 300) / 2, 170);
}

TEST_F(Intro, TheRowOfModelsStandsInTheMiddle) {
  ExpectPixels(19, 1, {{119, 240, kGrey}, {520, 240, kGrey}});
  for (int k = 0; k < 8; ++k) {  // x = 320 - 200 + 50 k, y = 240 - 40
    EXPECT_EQ(h.Pixel(120 + 50 * k, 200), Px(ModelColor(k))) << k;
    EXPECT_EQ(h.Pixel(169 + 50 * k, 279), Px(ModelColor(k))) << k;
  }
}

TEST_F(Intro, AnyPlainKeyOrALeftClickEndsItAtOnceWithoutASound) {
  // The last tick of step 17: the next frame would start "Slide.ogg".
  h.DrawIntroTick(17, 124);
  h.TakeLog({});
  const int flips = h.display->FlipCount;
  h.Press('A', kShift);
  EXPECT_EQ(h.app->ScreenState, kScreenIntro);
  h.Press('A');
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMain);
  EXPECT_TRUE(h.PlayedEffects().empty());
  EXPECT_EQ(h.display->FlipCount, flips);

  IntroCreditsHarness clicked;
  clicked.StartIntro();
  clicked.DrawIntroTick(20, 15);
  clicked.Send(Harness::Click(TMouseButton::Left, 300, 200));
  EXPECT_EQ(clicked.app->ScreenState, kScreenMenu);
  EXPECT_TRUE(clicked.PlayedEffects().empty());
}

TEST_F(Intro, StandsStillWhileTheDisplayCannotDraw) {
  IntroFrame(*h.app);
  h.LoseDisplay();
  for (int i = 0; i < 200; ++i) IntroFrame(*h.app);
  EXPECT_EQ(IntroRecord(*h.app).IntroStep, 0);
  EXPECT_EQ(IntroRecord(*h.app).IntroTick, 1);
  EXPECT_EQ(h.display->FlipCount, 1);
  h.display->RestoreFails = false;
  IntroFrame(*h.app);
  EXPECT_EQ(IntroRecord(*h.app).IntroTick, 2);
}

TEST_F(Intro, CaptionsFadeFromBlackToWhiteAndBack) {
  IntroRecord(*h.app) = At(1, 1);
  EXPECT_EQ(CaptionFade(h.app->Graphics.Canvas, IntroRecord(*h.app)), 2);
  EXPECT_EQ(h.app->Graphics.Canvas.Font.Color, RgbColor(2, 2, 2));
  struct Case {
    int step, tick, fade;
  };
  // Step 1 lasts 248 ticks: 510 / 248 = 2.06 per tick; at tick 125 257.06 -> 257 is folded
  // back to 253. Step 6 lasts 186 ticks: 2.74 -> 3. 510 x 93 / 124 = 382.5 exactly: the tie
  // goes to 382, folded back to 128; multiplying a double 510 / 124 by 93 lands just above
  // the half and would give 127.
  for (const Case& c : {Case{1, 124, 255}, Case{1, 125, 253}, Case{1, 248, 0}, Case{6, 1, 3},
                        Case{7, 62, 255}, Case{7, 93, 128}}) {
    IntroRecord(*h.app) = At(c.step, c.tick);
    EXPECT_EQ(CaptionFade(h.app->Graphics.Canvas, IntroRecord(*h.app)), c.fade)
        << "step " << c.step << ", tick " << c.tick;
  }
}

// Pixels of the band that are brighter than black, and the brightest of them.
int LitPixels(const TSurface& s, int top, int bottom, std::uint16_t* brightest) {
  int lit = 0;
  *brightest = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      const std::uint16_t p = s.At(x, y);
      lit += p != 0;
      if (p > *brightest) *brightest = p;
    }
  }
  return lit;
}

TEST_F(Intro, ACaptionIsWhiteInTheMiddleOfItsStepAndGoneAtItsEnd) {
  std::uint16_t brightest = 0;
  h.DrawIntroTick(15, 124);  // "in The Game..." around y = 240
  EXPECT_GT(LitPixels(h.Back(), 225, 255, &brightest), 100);
  EXPECT_EQ(brightest, 0xFFFF);
  h.DrawIntroTick(15, 248);
  EXPECT_EQ(LitPixels(h.Back(), 80, 400, &brightest), 0);
}

TEST(IntroCaptions, ModelNamesAreShownWithoutTheirColourCodes) {
  IntroCreditsHarness coded;
  coded.Put("Models.def", MakeModelsDef({"^1Kr^3o^7v^", "b", "c", "d", "e", "f", "g", "h"}));
  coded.StartIntro();
  coded.DrawIntroTick(7, 62);
  IntroCreditsHarness plain;
  plain.Put("Models.def", MakeModelsDef({"Krov", "b", "c", "d", "e", "f", "g", "h"}));
  plain.StartIntro();
  plain.DrawIntroTick(7, 62);
  EXPECT_EQ(coded.Back().Pixels, plain.Back().Pixels);
  std::uint16_t brightest = 0;
  EXPECT_GT(LitPixels(coded.Back(), 128, 153, &brightest), 50);
}

TEST(IntroCaptions, EveryCaptionFitsOnTheScreen) {
  IntroCreditsHarness h;
  h.Load();
  TTextCanvas& canvas = SurfaceCanvas(h.app->Graphics);
  canvas.Font.Size = 24;
  canvas.Font.Bold = true;
  EXPECT_LE(canvas.TextWidth(kIntroMakersLine), 640);
  EXPECT_LE(canvas.TextWidth("Codename: Skarveth"), 640);
  canvas.Font.Size = 16;
  for (const char* line : kIntroAffiliationLines) EXPECT_LE(canvas.TextWidth(line), 640) << line;
  ReleaseCanvas(canvas);
}

// Every step at its first, middle and last tick, then on into the menu.
void RunEveryStep(IntroCreditsHarness& h) {
  for (int step = 0; step < kIntroSteps; ++step) {
    const int d = IntroDurations[static_cast<std::size_t>(step)];
    for (int tick : {1, d / 2, d}) h.DrawIntroTick(step, tick);
  }
  IntroFrame(*h.app);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
}

TEST(IntroBadInput, OddTinyAndHugePicturesAndLongNamesDrawClipped) {
  const std::string longName(255, 'W');
  const std::string allCodes = [] {
    std::string s;
    for (int i = 0; i < 127; ++i) s += "^" + std::to_string(i % 9);
    return s + "^";
  }();
  struct Case {
    int logoW, logoH, menuW, menuH, modelsW, modelsH;
  };
  for (const Case& c : {Case{1, 1, 1, 1, 1, 1}, Case{201, 99, 301, 81, 400, 79},
                        Case{1500, 3, 2000, 7, 30, 500}, Case{7, 900, 3, 1001, 2000, 80}}) {
    IntroCreditsHarness h;
    h.Put("Logo_Vosk.bmp", MakeBmp(c.logoW, c.logoH, kVoskColor));
    h.Put("Menu_Logo.bmp", MakeBmp(c.menuW, c.menuH, kUpperHalfColor));
    h.Put("Models.bmp", MakeBmp(c.modelsW, c.modelsH, ModelColor(2)));
    h.Put("Models.def", MakeModelsDef({longName, allCodes, "^", "^^", "", "b", "c", "d"}));
    h.StartIntro();
    RunEveryStep(h);
  }
}

TEST(IntroBadInput, AnEmptyOrMissingPictureDrawsNothingOfIt) {
  IntroCreditsHarness h;
  h.dir.Write("Data/Logo_Vosk.bmp", std::string());
  h.dir.Write("Data/Models.bmp", std::string());
  h.StartIntro();
  RunEveryStep(h);
}

}  // namespace
}  // namespace sk::test
