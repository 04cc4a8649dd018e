#include <gtest/gtest.h>

#include "TestMaps.h"
#include "game/frontend/GameDrawing.h"
#include "game/frontend/ScreenFrame.h"
#include "game/render/ColorText.h"
#include "game/render/Draw.h"

namespace sk::test {
namespace {

TEST(GameDrawing, BloodFramesFollowTheDyingCount) {
  for (int dying : {31, 30, 0, -1}) EXPECT_EQ(BloodFrame(dying), -1) << dying;
  for (int dying : {29, 25, 20}) EXPECT_EQ(BloodFrame(dying), 0) << dying;
  for (int dying : {19, 10}) EXPECT_EQ(BloodFrame(dying), 1) << dying;
  for (int dying : {9, 1}) EXPECT_EQ(BloodFrame(dying), 2) << dying;
}

TEST(GameDrawing, ReloadBarGrowsFromNothingToTheWholeWidth) {
  EXPECT_EQ(ReloadBarWidth(62), 0);
  EXPECT_EQ(ReloadBarWidth(61), 10);  // 10.32
  EXPECT_EQ(ReloadBarWidth(31), 320);
  EXPECT_EQ(ReloadBarWidth(1), 630);  // 629.68
  EXPECT_EQ(ReloadBarWidth(0), 640);
}

TEST(GameDrawing, RailTrailTurnsTowardsTheShotAndFades) {
  // Up and to the left at 45 degrees: -45 * 255 / 360 = -31.875; length 320 * sqrt 2 = 452.55.
  const TRailTrailPlacement left = PlaceRailTrail({0, 160}, 30);
  EXPECT_EQ(left.Angle, -32);
  EXPECT_EQ(left.Length, 453);
  EXPECT_EQ(left.Alpha, 247);  // 30 * 255 / 31 = 246.77
  const TRailTrailPlacement up_right = PlaceRailTrail({640, 160}, 31);
  EXPECT_EQ(up_right.Angle, 32);
  EXPECT_EQ(up_right.Alpha, 255);
  // Along the bottom edge to the right: a quarter turn, 63.75 units.
  const TRailTrailPlacement right = PlaceRailTrail({639, 480}, 1);
  EXPECT_EQ(right.Angle, 64);
  EXPECT_EQ(right.Length, 319);
  EXPECT_EQ(right.Alpha, 8);  // 8.23
  const TRailTrailPlacement up = PlaceRailTrail({320, 0}, 16);
  EXPECT_EQ(up.Angle, 0);
  EXPECT_EQ(up.Length, 480);
  EXPECT_EQ(up.Alpha, 132);  // 131.61
  // Just left of straight up: atan(480 / 1) = 89.88 degrees, minus 90.
  EXPECT_EQ(PlaceRailTrail({319, 0}, 31).Angle, 0);
  EXPECT_EQ(PlaceRailTrail({319, 0}, 31).Length, 480);
}

TEST(GameDrawing, CountdownWordsChangeEverySixtyTwoSteps) {
  EXPECT_EQ(CountdownWord(247), "Three...");
  EXPECT_EQ(CountdownWord(186), "Three...");
  EXPECT_EQ(CountdownWord(185), "Two...");
  EXPECT_EQ(CountdownWord(124), "Two...");
  EXPECT_EQ(CountdownWord(123), "One...");
  EXPECT_EQ(CountdownWord(62), "One...");
  EXPECT_EQ(CountdownWord(61), "Fight!");
  EXPECT_EQ(CountdownWord(1), "Fight!");
  EXPECT_EQ(CountdownWord(0), "");
}

TEST(GameDrawing, TheRingShrinksOntoTheFinalWaypoint) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.Steps();
  EXPECT_EQ(CountdownRingRect(h.app->Map, h.Game()),
            (TRect{220, 220, 380, 380}));  // 185 * 10 / 31 = 59.7
  // A white ring 2 pixels wide around (300, 300), empty inside.
  bool ring = false;
  for (int x = 218; x <= 224; ++x) ring = ring || h.FramePixel(x, 300) == 0xFFFF;
  EXPECT_TRUE(ring);
  EXPECT_NE(h.FramePixel(300, 300), 0xFFFF);
  h.Game().CountdownTime = 123;  // 61 * 10 / 31 = 19.7
  EXPECT_EQ(CountdownRingRect(h.app->Map, h.Game()), (TRect{260, 260, 340, 340}));
  h.Game().CountdownTime = 62;
  EXPECT_EQ(CountdownRingRect(h.app->Map, h.Game()), (TRect{280, 280, 320, 320}));
}

TEST(GameDrawing, NumbersStandCentredOnTheirColumn) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Game().Frags = 105;
  h.Game().Health = 0;
  h.Steps();
  // 105: three 32-pixel digits from 160 - 48 = 112 to 207, rows 420..459.
  const int y = 425;
  EXPECT_EQ(h.FramePixel(112, y), Pixel565(DigitColor(1)));
  EXPECT_EQ(h.FramePixel(143, y), Pixel565(DigitColor(1)));
  EXPECT_EQ(h.FramePixel(144, y), Pixel565(DigitColor(0)));
  EXPECT_EQ(h.FramePixel(176, y), Pixel565(DigitColor(5)));
  EXPECT_EQ(h.FramePixel(207, 459), Pixel565(DigitColor(5)));
  EXPECT_NE(h.FramePixel(111, y), Pixel565(DigitColor(1)));
  EXPECT_NE(h.FramePixel(208, y), Pixel565(DigitColor(5)));
  EXPECT_NE(h.FramePixel(176, 460), Pixel565(DigitColor(5)));
  EXPECT_NE(h.FramePixel(176, 419), Pixel565(DigitColor(5)));
  // 0: one digit from 464 to 495.
  EXPECT_EQ(h.FramePixel(464, y), Pixel565(DigitColor(0)));
  EXPECT_EQ(h.FramePixel(495, y), Pixel565(DigitColor(0)));
  EXPECT_NE(h.FramePixel(463, y), Pixel565(DigitColor(0)));
  EXPECT_NE(h.FramePixel(496, y), Pixel565(DigitColor(0)));
  // The railgun is ready: the bar spans the whole bottom.
  EXPECT_EQ(h.FramePixel(0, 475), Pixel565(kBarColor));
  EXPECT_EQ(h.FramePixel(639, 479), Pixel565(kBarColor));
}

TEST(GameDrawing, AKilledModelShowsItsBodyThenThreeBloodFramesThenNothing) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Place(0, 1, 6);
  h.MoveTo(102, 260);
  h.Click();
  h.Steps();
  // The body lies on point 2, (104, 300): box (79, 220)-(129, 300), blood 64 x 64 around
  // (104, 260). (84, 236) is inside both and away from the trail's end at the shot point.
  const auto at = [&] { return h.FramePixel(84, 236); };
  const std::uint16_t body = Pixel565(ModelColor(6));
  const std::uint16_t ground = h.FramePixel(20, 100);
  const std::vector<std::pair<int, std::uint16_t>> expected = {{31, body},
                                                               {30, body},
                                                               {29, Pixel565(BloodColor(0))},
                                                               {20, Pixel565(BloodColor(0))},
                                                               {19, Pixel565(BloodColor(1))},
                                                               {10, Pixel565(BloodColor(1))},
                                                               {9, Pixel565(BloodColor(2))},
                                                               {1, Pixel565(BloodColor(2))},
                                                               {0, ground}};
  for (const auto& [dying, pixel] : expected) {
    while (h.Game().WalkingModels[0].Dying > dying) h.Steps();
    EXPECT_EQ(at(), pixel) << "Dying " << dying;
  }
}

TEST(GameDrawing, TheTrailIsAddedFromTheGunToTheShotAndTheBarRefills) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.MoveTo(320, 100);
  h.Click();
  h.Steps();
  const std::uint16_t ground = h.FramePixel(20, 100);
  // Straight up, 8 pixels wide: blue added on the column, nothing beside it.
  EXPECT_GT(Blue8(h.FramePixel(320, 300)), Blue8(ground));
  EXPECT_EQ(h.FramePixel(340, 300), ground);
  EXPECT_EQ(h.FramePixel(320, 60), ground);              // beyond the shot point
  EXPECT_EQ(h.FramePixel(9, 475), Pixel565(kBarColor));  // 10 pixels of bar
  EXPECT_NE(h.FramePixel(10, 475), Pixel565(kBarColor));
  h.Steps(30);
  EXPECT_EQ(h.Game().TrailTime, 0);
  EXPECT_EQ(h.FramePixel(320, 300), ground);
}

TEST(GameDrawing, TheTrailLeansTowardsAShotToTheUpperLeftOrTheUpperRight) {
  for (const int shotX : {80, 560}) {
    GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
    h.Play("Walk.map");
    h.SkipCountdown();
    h.MoveTo(shotX, 240);  // 45 degrees off the vertical, up and to one side
    h.Click();
    h.Steps();
    const std::uint16_t ground = h.FramePixel(20, 100);
    // Halfway from the gun at (320, 480) to the shot: the trail; mirrored: nothing.
    const int halfway = (320 + shotX) / 2, mirrored = 640 - halfway;
    EXPECT_GT(Blue8(h.FramePixel(halfway, 360)), Blue8(ground)) << shotX;
    EXPECT_EQ(h.FramePixel(mirrored, 360), ground) << shotX;
  }
}

TEST(GameDrawing, TheLaterOfTwoModelsUnderThePointerIsNamedAndDyingOnesNever) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap(3)}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Place(0, 5, 2);
  h.Place(1, 6, 5);
  h.Place(2, 7, 7);
  h.Game().WalkingModels[2].Active = false;
  h.Game().WalkingModels[2].Dying = 20;
  h.MoveTo(112, 260);
  DrawGameScene(ScreenFrame(*h.app), h.app->Map, h.Game());
  EXPECT_EQ(h.Game().HoveredModel, 5);
  h.MoveTo(600, 100);
  DrawGameScene(ScreenFrame(*h.app), h.app->Map, h.Game());
  EXPECT_EQ(h.Game().HoveredModel, -1);
}

// The HUD's texts, drawn by hand over the same scene, must give exactly the frame.
void ExpectHudTexts(GameHarness& h, const std::vector<std::pair<int, std::string>>& centred) {
  h.Steps();
  const std::vector<std::uint16_t> frame = h.display->LastFrame;
  DrawGameScene(ScreenFrame(*h.app), h.app->Map, h.Game());
  TTextCanvas& canvas = SurfaceCanvas(h.app->Graphics);
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  canvas.Font.Color = 0xFFFFFF;
  canvas.Brush.Style = TBrushStyle::Clear;
  const TRect clip{0, 0, 640, 480};
  for (const auto& [y, text] : centred)
    DrawText(canvas, clip, 320, y, text, true, TextAlign::Centre);
  canvas.Font.Color = 0xFFFF00;
  DrawText(canvas, clip, 40, 440, "Frags", true, TextAlign::Left);
  DrawText(canvas, clip, 600, 440, "Health", true, TextAlign::Right);
  ReleaseCanvas(canvas);
  EXPECT_TRUE(h.app->Graphics.BackSurface.Pixels == frame);
}

TEST(GameDrawing, PauseAndEndTextsAreWrittenOutExactly) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Game().MatchState = TMatchState::Paused;
  ExpectHudTexts(h, {{220, "Paused... (Press Any Key to Resume)"}});
  h.Game().MatchState = TMatchState::MatchOver;
  h.Game().ScoreRank = 3;
  ExpectHudTexts(h, {{200, "Congratulations! You Have Beaten The 3. Score"},
                     {220, "(Press Any Key to Continue)"}});
  h.Game().ScoreRank = 0;
  ExpectHudTexts(h, {{200, "Game Over"}, {220, "(Press Any Key to Continue)"}});
  h.Game().CountdownTime = 40;  // "Fight!" shows over whatever state the match is in
  ExpectHudTexts(h, {{200, "Game Over"}, {220, "(Press Any Key to Continue)"}, {220, "Fight!"}});
}

TEST(GameDrawing, AChatLineShowsInGreenAtTheTopLeft) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Game().ChatMessage = "Name1: WWWW";
  h.Game().ChatTime = 2;
  h.Steps();
  int green = 0;
  for (int y = 0; y < 17; ++y) {
    for (int x = 4; x < 120; ++x) green += h.FramePixel(x, y) == 0x07E0;
  }
  EXPECT_GT(green, 20);
  h.Steps(2);  // ChatTime 0: gone
  green = 0;
  for (int y = 0; y < 17; ++y) {
    for (int x = 4; x < 120; ++x) green += h.FramePixel(x, y) == 0x07E0;
  }
  EXPECT_EQ(green, 0);
}

}  // namespace
}  // namespace sk::test
