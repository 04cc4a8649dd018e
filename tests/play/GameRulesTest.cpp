#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TestMaps.h"
#include "game/frontend/GameDrawing.h"
#include "game/frontend/GameScreen.h"
#include "game/frontend/SKMenu.h"
#include "game/maps/SKScore.h"
#include "game/shell/SKInit.h"

namespace sk::test {
namespace {

using Sounds = std::vector<std::string>;

// A running match on Walk.map whose first model has just entered: it stands on point 1,
// (102, 300), its box (77, 220)-(127, 300).
struct WalkingMatch : ::testing::Test {
  explicit WalkingMatch(int paths = 1, const std::string& ini = "DisableChat=1\n")
      : h(ini, {{"Walk.map", WalkMap(paths)}}) {
    h.Play("Walk.map");
    h.SkipCountdown();
    for (TWalkingModel& model : h.Game().WalkingModels) model.Delay = 0;
    h.Steps();
  }
  GameHarness h;
};

struct TwoOnOnePath : WalkingMatch {
  TwoOnOnePath() : WalkingMatch(2) {}
};

TEST(GameRules, ANormalStartCountsInAndRunsFromStep187) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  EXPECT_EQ(h.Game().MatchState, TMatchState::Countdown);
  EXPECT_EQ(h.Game().CountdownTime, 248);
  EXPECT_EQ(h.app->MousePos, (TPoint{320, 240}));
  const std::int32_t delay = 100;  // the model does not enter during this test
  h.Game().WalkingModels[0].Delay = delay;

  std::vector<std::pair<int, std::string>> heard;
  for (int step = 1; step <= 248; ++step) {
    h.Steps();
    for (const std::string& sound : h.TakeSounds()) heard.emplace_back(step, sound);
    if (step == 186) {
      EXPECT_EQ(h.Game().MatchState, TMatchState::Countdown);
    }
    if (step == 187) {
      EXPECT_EQ(h.Game().MatchState, TMatchState::Running);
      EXPECT_EQ(h.Game().WalkingModels[0].Delay, delay - 1);  // models already processed
      EXPECT_EQ(h.Game().CountdownTime, 61);
    }
    if (step == 247) {
      EXPECT_EQ(CountdownWord(h.Game().CountdownTime), "Fight!");
    }
  }
  const std::vector<std::pair<int, std::string>> expected = {{1, "PlaySample 5 9"},
                                                             {63, "PlaySample 5 10"},
                                                             {125, "PlaySample 5 11"},
                                                             {187, "PlaySample 5 12"}};
  EXPECT_EQ(heard, expected);
  EXPECT_EQ(h.Game().CountdownTime, 0);
  EXPECT_EQ(h.Game().WalkingModels[0].Delay, delay - 62);
  EXPECT_EQ(h.display->FlipCount, 248);
}

TEST(GameRules, EveryMatchStartsFreshAndDrawsTheDelaysInPathOrder) {
  GameHarness h(
      "DisableChat=1\n",
      {{"Two.map", MakeMapFile({{{100, 300, 100}}, {{0, 0, 7}, {5, 5, 3}}}, {300, 300})}});
  h.Play("Two.map");
  TGameState& game = h.Game();
  game = TGameState{};
  game.WalkingModels = {{5, 40, 0, true, 12}, {7, 3, 9, false, 20}};
  game.Frags = 9;
  game.Health = 30;
  game.TrailTime = 4;
  game.ReloadTime = 20;
  game.ChatTime = 100;
  game.ScoreRank = 2;
  game.MatchState = TMatchState::MatchOver;
  h.app->Rng.SetSeed(777);

  StartMatch(GameMatch(*h.app));
  Random expected(777);
  const std::int32_t delay0 = static_cast<std::int32_t>(expected.Draw(101)) + 31;
  const std::int32_t delay1 = static_cast<std::int32_t>(expected.Draw(11)) + 31;
  ASSERT_EQ(game.WalkingModels.size(), 2u);
  EXPECT_EQ(game.WalkingModels[0].Delay, delay0);
  EXPECT_EQ(game.WalkingModels[1].Delay, delay1);
  for (const TWalkingModel& model : game.WalkingModels) {
    EXPECT_EQ(model.ModelType, 0);
    EXPECT_EQ(model.Position, 0);
    EXPECT_FALSE(model.Active);
    EXPECT_EQ(model.Dying, 0);
  }
  EXPECT_EQ(h.app->Rng.Seed(), expected.Seed());
  EXPECT_EQ(game.Frags, 0);
  EXPECT_EQ(game.Health, 100);
  EXPECT_EQ(game.TrailTime, 0);
  EXPECT_EQ(game.ReloadTime, 0);
  EXPECT_EQ(game.ChatTime, 0);
  EXPECT_EQ(game.ScoreRank, 0);
  EXPECT_EQ(game.MatchState, TMatchState::Countdown);
  EXPECT_EQ(game.CountdownTime, 248);
}

TEST_F(TwoOnOnePath, OneShotKillsBothOverlappingModels) {
  EXPECT_EQ(ModelRect(h.app->Map, GameRecord(*h.app), 0), (TRect{77, 220, 127, 300}));
  EXPECT_EQ(ModelRect(h.app->Map, GameRecord(*h.app), 1), (TRect{77, 220, 127, 300}));
  h.MoveTo(102, 260);
  h.Click();
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 0 4"});
  h.Steps();
  // Pan (102 + 1) * 0.3984375 = 41.04.
  EXPECT_EQ(h.TakeSounds(), (Sounds{"PlaySample 1 5", "SetPan 1 41", "PlaySample 1 5",
                                    "SetPan 1 41", "PlaySample 4 8"}));
  const TGameState& game = h.Game();
  EXPECT_EQ(game.Frags, 2);
  EXPECT_EQ(game.Health, 100);
  EXPECT_EQ(game.TrailTime, 30);
  EXPECT_EQ(game.ReloadTime, 61);
  for (const TWalkingModel& model : game.WalkingModels) {
    EXPECT_FALSE(model.Active);
    EXPECT_EQ(model.Dying, 31);
    EXPECT_EQ(model.Position, 2);  // the body moves on once more
    EXPECT_GE(model.Delay, 31);
    EXPECT_LE(model.Delay, 131);
  }
}

TEST_F(WalkingMatch, AShotMissesWhenThePointerLeavesTheModelBeforeTheStep) {
  h.MoveTo(102, 260);
  h.Click();
  h.MoveTo(140, 260);  // the hit test takes the pointer of the step, not of the click
  h.Steps();
  EXPECT_TRUE(h.Game().WalkingModels[0].Active);
  EXPECT_EQ(h.Game().Frags, 0);
  EXPECT_EQ(h.Game().ShotPoint, (TPoint{102, 260}));
}

TEST(GameRules, AShotOnSceneryKillsNothingButStillSoundsTrailsAndReloads) {
  // Scenery in front of the left part of the model's box.
  TPicture mask(640, 480, TRgb{255, 255, 255});
  for (int y = 200; y < 320; ++y) {
    for (int x = 80; x < 100; ++x) mask.At(x, y) = TRgb{0, 0, 0};
  }
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap(1, &mask)}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Game().WalkingModels[0].Delay = 0;
  h.Steps();
  const std::int32_t type = h.Game().WalkingModels[0].ModelType;

  h.MoveTo(90, 260);
  h.Click();
  h.Steps();
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 0 4"});
  EXPECT_TRUE(h.Game().WalkingModels[0].Active);
  EXPECT_EQ(h.Game().Frags, 0);
  EXPECT_EQ(h.Game().TrailTime, 30);
  EXPECT_EQ(h.Game().ReloadTime, 61);
  // Hidden behind the scenery, yet named when pointed at.
  EXPECT_EQ(h.Game().HoveredModel, type);
  EXPECT_NE(h.FramePixel(85, 230), Pixel565(ModelColor(type)));
  EXPECT_EQ(h.FramePixel(115, 230), Pixel565(ModelColor(type)));

  // The open part of the same box is fair game once reloaded.
  h.Steps(61);
  h.Place(0, 1, type);
  h.MoveTo(110, 260);
  h.Click();
  h.Steps();
  EXPECT_FALSE(h.Game().WalkingModels[0].Active);
  EXPECT_EQ(h.Game().Frags, 1);
}

TEST(GameRules, AScenerySmallerThanTheScreenIsOpenGroundBeyondItsEdge) {
  // A 320 x 240 background and an all-black mask: everything inside it is scenery.
  const TPicture mask(320, 240);
  GameHarness h("DisableChat=1\n",
                {{"Small.map", MakeMapFile({{{400, 320, 10}}}, {420, 320}, &mask, 320, 240)}});
  h.Play("Small.map");
  h.SkipCountdown();
  h.MoveTo(100, 100);
  EXPECT_TRUE(GameMatch(*h.app).Scenery.At(h.app->MousePos));
  h.Place(0, 0, 4);  // box (375, 240)-(425, 320)
  h.MoveTo(400, 300);
  EXPECT_FALSE(GameMatch(*h.app).Scenery.At(h.app->MousePos));
  h.Click();
  h.Steps();
  EXPECT_EQ(h.Game().Frags, 1);

  // Even a layer cut smaller than the screen is never read outside its picture.
  SetImagePicture(FindImage(h.app->DXImageList(), "Map_Mask.bmp"), TPicture(100, 100));
  h.app->MousePos = {50, 50};
  EXPECT_TRUE(GameMatch(*h.app).Scenery.At(h.app->MousePos));
  for (TPoint p : {TPoint{100, 50}, TPoint{50, 100}, TPoint{639, 479}, TPoint{-1, 10}}) {
    h.app->MousePos = p;
    EXPECT_FALSE(GameMatch(*h.app).Scenery.At(h.app->MousePos)) << p.X << "," << p.Y;
  }
}

// The rules alone, as a tool measuring matches runs them: a match advanced step by step
// without drawing goes exactly as one played on the screen, shots and all.
TEST(GameRules, AdvancingTheMatchAloneKeepsEveryRuleAndDrawsNothing) {
  TPicture mask(640, 480, TRgb{255, 255, 255});
  for (int y = 200; y < 320; ++y)
    for (int x = 150; x < 170; ++x) mask.At(x, y) = TRgb{0, 0, 0};
  GameHarness shown("", {{"Walk.map", WalkMap(2, &mask)}});
  GameHarness bare("", {{"Walk.map", WalkMap(2, &mask)}});
  shown.Play("Walk.map");
  bare.Play("Walk.map");
  const int frames = bare.display->FlipCount;
  for (int step = 1; step <= 1500; ++step) {
    // Now and then a shot at the first model on the field (some land on the scenery).
    const auto& models = shown.Game().WalkingModels;
    const auto walking =
        std::find_if(models.begin(), models.end(), [](const TWalkingModel& m) { return m.Active; });
    if (step % 70 == 0 && walking != models.end()) {
      const TRect box = ModelRect(shown.app->Map, GameRecord(*shown.app),
                                  static_cast<std::size_t>(walking - models.begin()));
      for (GameHarness* h : {&shown, &bare}) {
        h->MoveTo(box.Left + 25, box.Top + 40);
        h->Click();
      }
    }
    shown.Steps();
    AdvanceGame(*bare.app);
    const TGameState &a = shown.Game(), &b = bare.Game();
    ASSERT_EQ(a.MatchState, b.MatchState) << step;
    ASSERT_EQ(a.Health, b.Health) << step;
    ASSERT_EQ(a.Frags, b.Frags) << step;
    ASSERT_EQ(a.ChatMessage, b.ChatMessage) << step;
    for (std::size_t i = 0; i < a.WalkingModels.size(); ++i) {
      ASSERT_EQ(a.WalkingModels[i].Position, b.WalkingModels[i].Position) << step;
      ASSERT_EQ(a.WalkingModels[i].Active, b.WalkingModels[i].Active) << step;
    }
  }
  EXPECT_GT(bare.Game().Frags, 0);
  EXPECT_EQ(bare.display->FlipCount, frames);
  // The scenery test the shot uses, asked at any point.
  EXPECT_TRUE(GameMatch(*bare.app).Scenery.At({160, 250}));
  EXPECT_FALSE(GameMatch(*bare.app).Scenery.At({140, 250}));
  EXPECT_FALSE(GameMatch(*bare.app).Scenery.At({-5, 250}));
}

TEST(GameRules, AModelOnItsFinalPointCannotBeShotAndArrivesWithDamage) {
  GameHarness h("DisableChat=1\n", {{"Short.map", ShortMap()}});
  h.Play("Short.map");
  h.SkipCountdown();
  h.Game().WalkingModels[0].Delay = 0;
  h.Steps(2);
  EXPECT_EQ(h.Game().WalkingModels[0].Position, 2);
  EXPECT_EQ(ModelRect(h.app->Map, GameRecord(*h.app), 0), (TRect{285, 220, 335, 300}));
  h.MoveTo(310, 280);
  h.Click();
  h.TakeSounds();
  h.Steps();
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 3 7"});
  EXPECT_EQ(h.Game().Health, 90);
  EXPECT_EQ(h.Game().Frags, 0);
  EXPECT_FALSE(h.Game().WalkingModels[0].Active);
  EXPECT_EQ(h.Game().WalkingModels[0].Dying, 0);
}

// Runs until the match is over and returns every effect heard on the way.
Sounds PlayToTheEnd(GameHarness& h) {
  Sounds heard;
  for (int step = 0; step < 5000 && h.Game().MatchState != TMatchState::MatchOver; ++step) {
    h.Steps();
    for (std::string& s : h.TakeSounds()) heard.push_back(std::move(s));
  }
  return heard;
}

TEST(GameRules, TheTenthArrivalEndsTheMatchAndNoFragsWriteNoScore) {
  GameHarness h("DisableChat=1\n", {{"Short.map", ShortMap()}});
  h.Play("Short.map");
  h.SkipCountdown();
  const Sounds heard = PlayToTheEnd(h);
  ASSERT_EQ(h.Game().MatchState, TMatchState::MatchOver);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "PlaySample 3 7"), 10);
  ASSERT_GE(heard.size(), 2u);
  EXPECT_EQ(heard[heard.size() - 2], "PlaySample 3 7");
  EXPECT_EQ(heard.back(), "PlaySample 2 6");
  EXPECT_EQ(h.Game().Health, 0);
  EXPECT_EQ(h.Game().ScoreRank, 0);
  EXPECT_FALSE(h.dir.Exists("Maps/Short.sco"));

  // The finished match stands still, whatever the clicks; any key leaves it.
  const std::vector<TWalkingModel> before = h.Game().WalkingModels;
  h.Click();
  h.Steps(40);
  EXPECT_TRUE(h.TakeSounds().empty());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(h.Game().WalkingModels[i].Delay, before[i].Delay);
    EXPECT_EQ(h.Game().WalkingModels[i].Position, before[i].Position);
  }
  h.Press('A');
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMaps);
}

TEST(GameRules, FragsAtTheEndEnterTheMapsScoreTableUnderThePlayersName) {
  GameHarness h("DisableChat=1\n", {{"Short.map", ShortMap()}});
  TScoreTable old;
  old.Entries[0] = {9, "Best"};
  old.Entries[1] = {3, "Third"};
  ASSERT_TRUE(SaveScores(old, h.dir.Path("Maps/Short.sco")));
  h.Play("Short.map");
  h.SkipCountdown();
  h.Game().Frags = 7;
  PlayToTheEnd(h);
  EXPECT_EQ(h.Game().ScoreRank, 2);
  EXPECT_EQ(h.app->ScoreTable.Entries[1], (TScoreEntry{7, "^2Ace"}));
  TScoreTable saved;
  ASSERT_EQ(LoadScores(saved, h.dir.Path("Maps/Short.sco")), ScoreFileState::Loaded);
  EXPECT_EQ(saved.Entries[0], (TScoreEntry{9, "Best"}));
  EXPECT_EQ(saved.Entries[1], (TScoreEntry{7, "^2Ace"}));
  EXPECT_EQ(saved.Entries[2], (TScoreEntry{3, "Third"}));
}

// The end message still shows the place; the next menu page says the score was not kept. A
// saved score says nothing.
TEST(GameRules, AScoreThatCannotBeSavedIsSaidOnTheNextMenuPage) {
  for (const bool blocked : {true, false}) {
    GameHarness h("DisableChat=1\n", {{"Short.map", ShortMap()}});
    // Something the game cannot read or replace.
    if (blocked) h.dir.Write("Maps/Short.sco/inside", "");
    h.Play("Short.map");
    h.SkipCountdown();
    h.Game().Frags = 7;
    PlayToTheEnd(h);
    EXPECT_EQ(h.Game().ScoreRank, 1) << blocked;
    EXPECT_EQ(MenuRecord(*h.app).Notice,
              blocked ? "Your score was not saved: the score file cannot be read." : "");
    if (!blocked) continue;
    h.Press('A');
    EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMaps);
    h.Steps();
    EXPECT_EQ(MenuRecord(*h.app).NoticePage, kMenuPageMaps);
    EXPECT_TRUE(h.dir.Exists("Maps/Short.sco/inside"));
  }
}

TEST_F(WalkingMatch, ClicksDuringTheReloadAreIgnoredAndTheNextOneFires) {
  h.MoveTo(500, 100);
  h.Click();
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 0 4"});
  h.Click();
  for (int step = 1; step <= 61; ++step) {
    h.Steps();
    h.Click();
  }
  EXPECT_TRUE(h.TakeSounds().empty());
  EXPECT_EQ(h.Game().ReloadTime, 1);
  h.Steps();
  EXPECT_EQ(h.Game().ReloadTime, 0);
  h.MoveTo(450, 120);
  h.Click();
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 0 4"});
  EXPECT_EQ(h.Game().ShotPoint, (TPoint{450, 120}));
  EXPECT_EQ(h.Game().TrailTime, 31);
  EXPECT_EQ(h.Game().ReloadTime, 62);
}

TEST_F(WalkingMatch, AShotJustBeforeAPauseIsTestedInTheFirstStepAfterIt) {
  h.Game().CountdownTime = 30;  // the "Fight!" time runs on through a pause
  h.MoveTo(102, 260);
  h.Click();
  h.Press(kVkPause);
  EXPECT_EQ(h.Game().MatchState, TMatchState::Paused);
  h.Click();
  h.Steps(5);
  EXPECT_EQ(h.Game().CountdownTime, 25);
  EXPECT_EQ(h.Game().TrailTime, 31);
  EXPECT_EQ(h.Game().ReloadTime, 62);
  EXPECT_EQ(h.Game().WalkingModels[0].Position, 1);
  EXPECT_TRUE(h.Game().WalkingModels[0].Active);
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 0 4"});
  h.Press('X');
  EXPECT_EQ(h.Game().MatchState, TMatchState::Running);
  h.Steps();
  EXPECT_FALSE(h.Game().WalkingModels[0].Active);
  EXPECT_EQ(h.Game().Frags, 1);
}

TEST(GameRules, EscapeDuringTheCountdownLeavesWithoutAScore) {
  GameHarness h("DisableChat=1\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.Steps(10);
  h.Press(kVkPause);  // no pause while counting in
  EXPECT_EQ(h.Game().MatchState, TMatchState::Countdown);
  h.Press(kVkEscape);
  EXPECT_EQ(h.app->ScreenState, kScreenMenu);
  EXPECT_EQ(MenuRecord(*h.app).MenuPage, kMenuPageMaps);
  EXPECT_FALSE(h.dir.Exists("Maps/Walk.sco"));
  EXPECT_FALSE(h.app->Terminated);
}

TEST(GameRules, EightPathsHoldTheEightTypesOnceEach) {
  GameHarness h("TestMap=$DIR/Maps/Eight.map\n", {{"Eight.map", WalkMap(8)}});
  ASSERT_EQ(h.app->ScreenState, kScreenGame);
  std::vector<bool> entered(8, false);
  int checked = 0;
  for (int step = 0; step < 600; ++step) {
    h.Steps();
    const auto& models = h.Game().WalkingModels;
    for (std::size_t i = 0; i < 8; ++i) entered[i] = entered[i] || models[i].Active;
    if (std::find(entered.begin(), entered.end(), false) != entered.end()) continue;
    std::set<std::int32_t> types;
    for (const TWalkingModel& m : models) types.insert(m.ModelType);
    ASSERT_EQ(types, (std::set<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7})) << "step " << step;
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

TEST(GameRules, PickModelTypeDrawsUntilATypeNoOtherEntryHolds) {
  GameHarness h("DisableChat=1\n", {{"Eight.map", WalkMap(8)}});
  h.Play("Eight.map");
  auto& models = h.Game().WalkingModels;
  for (std::size_t i = 0; i < 8; ++i) models[i].ModelType = static_cast<std::int32_t>(i);
  models[5].ModelType = -1;  // the entry being spawned never blocks itself
  h.app->Rng.SetSeed(99);
  EXPECT_EQ(PickModelType(GameMatch(*h.app)), 5);
  Random expected(99);
  while (expected.Draw(8) != 5) {
  }
  EXPECT_EQ(h.app->Rng.Seed(), expected.Seed());
}

TEST(GameRules, AKillDrawsItsRespawnDelayFirstThenTheChatLine) {
  // Find a seed for which the kill posts a chat line: delay draw, then 0 of 3, then a line.
  std::uint32_t seed = 1;
  for (;; ++seed) {
    Random r(seed);
    r.Draw(101);
    if (r.Draw(3) == 0) break;
  }
  Random expected(seed);
  const std::int32_t delay = static_cast<std::int32_t>(expected.Draw(101)) + 31;
  expected.Draw(3);
  const std::uint32_t line = expected.Draw(10);

  GameHarness h("DisableChat=0\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  h.SkipCountdown();
  h.Place(0, 1, 3);
  h.MoveTo(102, 260);
  h.Click();
  h.TakeSounds();
  h.app->Rng.SetSeed(seed);
  h.Steps();
  EXPECT_EQ(h.Game().WalkingModels[0].Delay, delay);
  EXPECT_EQ(h.Game().ChatMessage, "Name3: Name3 line " + std::to_string(line));
  EXPECT_EQ(h.Game().ChatTime, 309);
  EXPECT_EQ(h.TakeSounds(), (Sounds{"PlaySample 6 13", "PlaySample 1 5", "SetPan 1 41"}));
  EXPECT_EQ(h.app->Rng.Seed(), expected.Seed());
}

TEST(GameRules, ModelChatSpeaksOneTimeInThreeAndNeverOverAnotherLine) {
  GameHarness h("DisableChat=0\n", {{"Walk.map", WalkMap()}});
  h.Play("Walk.map");
  std::uint32_t quiet = 1;
  while (Random(quiet).Draw(3) == 0) ++quiet;
  h.app->Rng.SetSeed(quiet);
  ModelChat(GameMatch(*h.app), 2);
  EXPECT_EQ(h.Game().ChatTime, 0);
  EXPECT_TRUE(h.Game().ChatMessage.empty());
  Random one_draw(quiet);
  one_draw.Draw(3);
  EXPECT_EQ(h.app->Rng.Seed(), one_draw.Seed());

  h.Game().ChatTime = 5;
  const std::uint32_t seed = h.app->Rng.Seed();
  ModelChat(GameMatch(*h.app), 2);
  EXPECT_EQ(h.app->Rng.Seed(), seed);  // no draw at all while a line shows

  h.Game().ChatTime = 0;
  h.app->Settings.ChatDisabled = true;
  ModelChat(GameMatch(*h.app), 2);
  EXPECT_EQ(h.app->Rng.Seed(), seed);
  EXPECT_TRUE(h.TakeSounds().empty());
}

TEST(GameRules, TheDeathSoundIsPannedByTheShotsColumn) {
  // Along y = 300 from x = 10: points 0..9 walk to x = 630, then ten points stand there.
  GameHarness h("DisableChat=1\n",
                {{"Wide.map", MakeMapFile({{{10, 300, 10}, {630, 300, 10}}}, {630, 300})}});
  h.Play("Wide.map");
  h.SkipCountdown();
  h.Place(0, 0, 1);  // box (-15, 220)-(35, 300)
  h.MoveTo(0, 260);
  h.Click();
  h.TakeSounds();
  h.Steps();
  EXPECT_EQ(h.TakeSounds(), (Sounds{"PlaySample 1 5", "SetPan 1 0"}));
  h.Steps(61);
  h.Place(0, 10, 1);  // box (605, 220)-(655, 300)
  h.MoveTo(639, 260);
  h.Click();
  h.TakeSounds();
  h.Steps();
  EXPECT_EQ(h.TakeSounds(), (Sounds{"PlaySample 1 5", "SetPan 1 255"}));
}

TEST(GameRules, TestModeRunsAtOnceWithoutDamageFragsOrChatAndEscapeEndsTheProgram) {
  GameHarness h("DisableChat=0\nTestMap=$DIR/Maps/Short.map\n", {{"Short.map", ShortMap()}});
  ASSERT_EQ(h.app->ScreenState, kScreenGame);
  EXPECT_EQ(h.Game().MatchState, TMatchState::Running);
  EXPECT_EQ(h.Game().CountdownTime, 0);
  h.Game().WalkingModels[0].Delay = 0;
  h.Steps(3);
  EXPECT_EQ(h.TakeSounds(), Sounds{"PlaySample 3 7"});
  EXPECT_EQ(h.Game().Health, 100);

  for (int kill = 0; kill < 5; ++kill) {
    h.Place(0, 0, 2);
    h.MoveTo(300, 260);
    h.Click();
    h.Steps(62);
  }
  EXPECT_EQ(h.Game().Frags, 0);
  EXPECT_EQ(h.Game().ChatTime, 0);
  EXPECT_TRUE(h.Game().ChatMessage.empty());
  const Sounds heard = h.TakeSounds();
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "PlaySample 1 5"), 5);

  h.Press(kVkPause);
  h.Press('P');
  h.Press(kVkEscape);
  EXPECT_TRUE(h.app->Terminated);
  EXPECT_FALSE(h.app->Failed);
  EXPECT_EQ(h.app->ScoreTable.Entries[0].Score, 0);
}

}  // namespace
}  // namespace sk::test
