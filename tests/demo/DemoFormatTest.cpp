#include <gtest/gtest.h>
#include <unistd.h>

#include <span>
#include <string>

#include "game/demo/DemoFormat.h"
#include "game/demo/DemoKeys.h"
#include "game/platform/InputEvent.h"
#include "support/TempDir.h"

namespace sk {
namespace {

const std::string kHash = std::string(64, 'a');

// `text` with every "<hash>" standing for kHash.
std::string WithHash(std::string text) {
  for (std::size_t at; (at = text.find("<hash>")) != std::string::npos;) text.replace(at, 6, kHash);
  return text;
}

const std::string kHead = WithHash(
    "SKARVETH DEMO 1\n"
    "seed 4000000000\n"
    "setting FrameDelay -3\n"
    "setting SkipIntro 1\n"
    "setting TestMap \"\"\n"
    "setting DisableChat 0\n"
    "setting DisableSound 1\n"
    "setting DisableMusic 0\n"
    "setting Name \"^1Ann \\\"A\\\\B\\\" M\\xFCller\"\n"
    "archive 948724 <hash>\n");

// Every kind of line, as the game writes them.
const std::string kFull = kHead + WithHash(
                                      "override \"Blood.bmp\" 10 <hash>\n"
                                      "map \"Rustyard.map\" 90182 <hash>\n"
                                      "map \"Canyon.map\" 5 <hash>\n"
                                      "map \"Odd.map\" 6 <hash>\n"
                                      "score \"Rustyard.sco\" 534b01\n"
                                      "score \"Canyon.sco\" missing\n"
                                      "score \"Odd.sco\" unreadable\n"
                                      "0 pointer out\n"
                                      "0 focus in\n"
                                      "3 move 0 479\n"
                                      "3 click 639 0\n"
                                      "7 key Enter alt\n"
                                      "7 key vk186 shift+ctrl\n"
                                      "8 char ^\n"
                                      "8 char \\xE9\n"
                                      "9 nodraw\n"
                                      "9 pointer in\n"
                                      "12 focus out\n"
                                      "12 close\n"
                                      "end 12\n");

TEST(DemoFormatTest, ReadsEveryLineAndWritesTheSameText) {
  const TDemoReadResult read = ParseDemoText(kFull);
  ASSERT_TRUE(read.Demo) << read.Error;
  const TDemo& demo = *read.Demo;
  EXPECT_EQ(demo.Seed, 4000000000u);
  EXPECT_EQ(demo.Settings.FrameDelay, -3);
  EXPECT_TRUE(demo.Settings.SkipIntro);
  EXPECT_TRUE(demo.Settings.SoundOff);
  EXPECT_EQ(demo.Settings.PlayerName, "^1Ann \"A\\B\" M\xFCller");
  EXPECT_EQ(demo.Archive, (TFileIdentity{948724, kHash}));
  ASSERT_EQ(demo.Maps.size(), 3u);
  EXPECT_EQ(demo.Maps[0].Name, "Rustyard.map");
  ASSERT_EQ(demo.Scores.size(), 3u);
  EXPECT_EQ(demo.Scores[0].Bytes, (std::vector<std::uint8_t>{0x53, 0x4B, 0x01}));
  EXPECT_EQ(demo.Scores[2].Kind, TDemoScore::State::Unreadable);
  ASSERT_EQ(demo.Events.size(), 12u);
  EXPECT_EQ(demo.Events[2], (TDemoEvent{3, TDemoEventKind::Move, 0, 0, 0, 0, 479}));
  EXPECT_EQ(demo.Events[4], (TDemoEvent{7, TDemoEventKind::Key, kAlt, 0, kVkReturn, 0, 0}));
  EXPECT_EQ(demo.Events[5], (TDemoEvent{7, TDemoEventKind::Key, kShift | kCtrl, 0, 186, 0, 0}));
  EXPECT_EQ(demo.Events[7].Character, 0xE9);
  EXPECT_EQ(demo.EndTick, 12u);
  EXPECT_EQ(FormatDemo(demo), kFull);
}

TEST(DemoFormatTest, HandWrittenDemosMayCommentAndSpace) {
  const TDemoReadResult read =
      ParseDemoText("SKARVETH DEMO 1\r\n# made by hand\nseed 1\n\narchive 0 " + kHash +
                    "\n"
                    "  # the first click\n  40   click  10 20 \t\nend 50\n# done\n");
  ASSERT_TRUE(read.Demo) << read.Error;
  EXPECT_EQ(read.Demo->Settings, TSettings{});  // missing settings are the game's defaults
  ASSERT_EQ(read.Demo->Events.size(), 1u);
  EXPECT_EQ(read.Demo->Events[0], (TDemoEvent{40, TDemoEventKind::Click, 0, 0, 0, 10, 20}));
}

struct Refusal {
  std::string text;
  std::string error;
};

void ExpectRefused(std::span<const Refusal> cases) {
  for (const Refusal& c : cases) {
    const TDemoReadResult read = ParseDemoText(c.text);
    EXPECT_FALSE(read.Demo) << c.text;
    EXPECT_EQ(read.Error, c.error) << c.text;
  }
}

TEST(DemoFormatTest, RefusesFaultsWithTheirLineNumber) {
  const std::string h = kHead;  // 10 lines
  const std::string s = "SKARVETH DEMO 1\nseed 1\n";
  const Refusal cases[] = {
      {"", "line 1: the file is empty"},
      {"SKARVETH DEMO 2\n", "line 1: demo version 2 is not known (this game plays version 1)"},
      {"SKARVETH SCORE 1\n", "line 1: this is not a Skarveth demo"},
      {h + "5 jump\nend 9\n", "line 11: unknown event \"jump\""},
      {h + "2147483648 key A\nend 9\n", "line 11: tick 2147483648 is out of range (0 to 675000)"},
      {h + "-1 key A\n", "line 11: tick -1 is out of range (0 to 675000)"},
      {h + "5 move -5 10\n", "line 11: x -5 is outside the 640 x 480 drawing area"},
      {h + "5 click 10 480\n", "line 11: y 480 is outside the 640 x 480 drawing area"},
      {h + "5 key Foo\n", "line 11: unknown key \"Foo\""},
      {h + "5 key vk65536\n", "line 11: unknown key \"vk65536\""},
      {h + "5 key A meta\n", "line 11: unknown modifier \"meta\" (shift, ctrl, alt)"},
      {h + "5 char ab\n", "line 11: character \"ab\" is neither one printable character nor \\xHH"},
      {h + "5 key A\n4 key B\n",
       "line 12: tick 4 comes after tick 5: events must be in tick order"},
      {h + "5 key A\n9 key B\nend 8\n",
       "line 13: the demo ends at tick 8, before its last event at tick 9"},
      {h + "5 key A\nend 8\n9 key B\n", "line 13: nothing may follow the end line"},
      {h + "5 key A\n6 key B", "line 12: the demo has no end line: it is cut short"},
      {h + "5 close now\n", "line 11: unexpected \"now\" at the end of the line"},
      {h + "seed 2\n", "line 11: the seed is given twice"},
      {"SKARVETH DEMO 1\nseed 1\n5 key A\n",
       "line 3: the seed and the archive must come before the first event"},
      {h + "map \"../x.map\" 1 " + kHash + "\n", "line 11: \"../x.map\" is not a plain file name"},
      {h + "archive 1 ABC\n", "line 11: the archive is given twice"},
      {"SKARVETH DEMO 1\narchive 1 ABC\n",
       "line 2: \"ABC\" is not a SHA-256 of 64 lower-case hexadecimal digits"},
      {s + "setting Name \"A\\x0AB\"\n",
       "line 3: a setting's text may not hold a line break or a zero byte"},
      {s + "setting Name \"open\n", "line 3: the name has no closing double quote"},
      {s + "setting Name \"a\\qb\"\n",
       "line 3: the name holds an unknown escape; use \\\", \\\\ or \\xHH"},
      {s + "setting Volume 3\n", "line 3: unknown setting \"Volume\""},
      {s + "setting SkipIntro 2\n", "line 3: SkipIntro must be 0 or 1, not \"2\""},
      {h + "setting SkipIntro 0\n", "line 11: setting SkipIntro is given twice"},
      {h + "score \"a.sco\" 5K\n", "line 11: the score file's bytes are not hexadecimal"},
      {h + "end 1\n" + std::string(17000, 'x') + "\n",
       "line 12: the line is longer than 16384 characters"},
  };
  ExpectRefused(cases);
}

// A demo names only what a game folder holds, each file once, and nothing outside it.
TEST(DemoFormatTest, HoldsADemoToWhatAGameFolderHolds) {
  const std::string h = kHead;                                                 // 10 lines
  const std::string s = "SKARVETH DEMO 1\nseed 1\narchive 0 " + kHash + "\n";  // 3 lines
  const auto map = [](const std::string& name) { return "map \"" + name + "\" 1 " + kHash + "\n"; };
  const Refusal cases[] = {
      {s + "setting TestMap \"/etc/passwd\"\n",
       "line 4: the test map \"/etc/passwd\" must be a path inside the game folder, relative to "
       "it and without \"..\""},
      {s + "setting TestMap \"Maps\\\\..\\\\..\\\\secret\"\n",
       "line 4: the test map \"Maps\\..\\..\\secret\" must be a path inside the game folder, "
       "relative to it and without \"..\""},
      {"SKARVETH DEMO 1\nsetting FrameDelay 1001\n",
       "line 2: the frame delay 1001 is above 1000 ms (one tick a second)"},
      {h + map("A.map") + map("A.map"), "line 12: map \"A.map\" is given twice"},
      {h + map("Skarveth.ini"), "line 11: map \"Skarveth.ini\" is not named like a map (*.map)"},
      {h + "override \"x\" 1 " + kHash + "\noverride \"x\" 2 " + kHash + "\n",
       "line 12: loose file \"x\" is given twice"},
      // A score line named like a map would replace it; one of no listed map would add one.
      {h + map("A.map") + "score \"A.map\" 00\nend 1\n",
       "line 12: score file \"A.map\" belongs to none of the demo's maps; a demo holds only their "
       "score files (<map name>.sco)"},
      {h + "score \"B.sco\" missing\n" + map("A.map") + "1 key A\nend 1\n",
       "line 11: score file \"B.sco\" belongs to none of the demo's maps; a demo holds only their "
       "score files (<map name>.sco)"},
      {h + "score \"A.sco\" missing\nscore \"A.sco\" missing\n",
       "line 12: score file \"A.sco\" is given twice"},
      {h + "score \"A.sco\" " + std::string(2 * 2100, '0') + "\n",
       "line 11: score file \"A.sco\" holds more than the 2079 bytes the game reads of one"},
  };
  ExpectRefused(cases);
  // The head's lines come in any order; the limits hold at the slowest pace and the most maps.
  std::string most =
      s + "score \"a.sco\" missing\nsetting FrameDelay 1000\n" + "setting TestMap \"Maps/a.map\"\n";
  for (int i = 0; i < 4095; ++i) most += map("m" + std::to_string(i) + ".map");
  most += map("a.MAP");
  const TDemoReadResult read = ParseDemoText(most + map("b.map") + "end 0\n");
  EXPECT_EQ(read.Error, "line 4103: more than 4096 maps; a demo holds at most 4096");
  EXPECT_TRUE(ParseDemoText(most + "end 0\n").Demo);
}

TEST(DemoFormatTest, FilesTooLargeForAnyRecordingAreRefusedUnread) {
  TempDir dir;
  const std::string path = dir.Path("huge.txt");
  dir.Write("huge.txt", kHead);
  // 100 MB without writing them: the reader must not even try.
  ASSERT_EQ(::truncate(path.c_str(), 100LL << 20), 0);
  const TDemoReadResult read = ReadDemoFile(path);
  EXPECT_FALSE(read.Demo);
  EXPECT_EQ(read.Error, "the demo " + path + " is larger than 16 MB; no recording grows that big");
  EXPECT_EQ(ReadDemoFile(dir.Path("none.txt")).Error,
            "cannot read the demo " + dir.Path("none.txt"));
  EXPECT_EQ(ReadDemoFile(dir.Path()).Error, "cannot read the demo " + dir.Path());
}

TEST(DemoKeysTest, NamesAndCodes) {
  EXPECT_EQ(DemoKeyFromName("Escape"), 27);
  EXPECT_EQ(DemoKeyFromName("Pause"), 19);
  EXPECT_EQ(DemoKeyFromName("7"), 55);
  EXPECT_EQ(DemoKeyFromName("Q"), 81);
  EXPECT_EQ(DemoKeyFromName("F12"), 123);
  EXPECT_EQ(DemoKeyFromName("vk0"), 0);
  EXPECT_EQ(DemoKeyName(186), "vk186");
  EXPECT_EQ(DemoKeyName(kVkBack), "Backspace");
  for (const char* bad :
       {"", "q", "esc", "F0", "F01", "F25", "vk", "vk65536", "vk-1", "vk1x", "AB"}) {
    EXPECT_FALSE(DemoKeyFromName(bad)) << bad;
  }
  for (std::uint32_t code = 0; code <= 65535; ++code) {
    EXPECT_EQ(DemoKeyFromName(DemoKeyName(static_cast<std::uint16_t>(code))), code);
  }
}

}  // namespace
}  // namespace sk
