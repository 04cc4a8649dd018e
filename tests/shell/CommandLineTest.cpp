// The game's command line: options, their values and what is refused.
#include <gtest/gtest.h>

#include <vector>

#include "game/shell/CommandLine.h"

namespace sk {
namespace {

TCommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "skarveth");
  return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, OptionsAndTheirValues) {
  EXPECT_EQ(Parse({}).Kind, TCommandLine::Mode::Normal);
  EXPECT_EQ(Parse({}).Error, "");
  const TCommandLine play = Parse({"--play", "a b.txt"});
  EXPECT_EQ(play.Kind, TCommandLine::Mode::Play);
  EXPECT_EQ(play.File, "a b.txt");
  const TCommandLine both = Parse({"--test-map=Maps/m.map", "--record", "r.txt"});
  EXPECT_EQ(both.Kind, TCommandLine::Mode::Record);
  EXPECT_EQ(both.File, "r.txt");
  EXPECT_EQ(both.TestMap, "Maps/m.map");
  EXPECT_EQ(both.Error, "");
  // A value may start with a dash: it is the option's whatever it looks like.
  EXPECT_EQ(Parse({"--test-map", "-odd.map"}).TestMap, "-odd.map");

  const TStartOptions test = StartOptions(Parse({"--test-map", "t.map"}));
  EXPECT_EQ(test.TestMap, "t.map");
  EXPECT_TRUE(test.KeepSettingsFile);
  EXPECT_FALSE(StartOptions(Parse({"--record", "r.txt"})).KeepSettingsFile);
}

TEST(CommandLine, HelpAndVersionAnswerWhateverFollows) {
  EXPECT_TRUE(Parse({"--help"}).Help);
  EXPECT_TRUE(Parse({"-h", "--bogus"}).Help);
  EXPECT_TRUE(Parse({"--version"}).Version);
  EXPECT_TRUE(Parse({"--record", "r.txt", "-v"}).Version);
  EXPECT_FALSE(Parse({"-v"}).Help);
  // An error before them comes first.
  EXPECT_FALSE(Parse({"--bogus", "--help"}).Help);
  EXPECT_EQ(VersionLine(), "Codename: Skarveth 1.00");
}

TEST(CommandLine, WhatIsRefused) {
  EXPECT_EQ(Parse({"--fullscreen"}).Error, "unknown option --fullscreen");
  EXPECT_EQ(Parse({"--fullscreen=1"}).Error, "unknown option --fullscreen");
  EXPECT_EQ(Parse({"map.map"}).Error, "unexpected argument map.map");
  EXPECT_EQ(Parse({"--play"}).Error, "--play needs a file name");
  EXPECT_EQ(Parse({"--record", ""}).Error, "--record needs a file name");
  EXPECT_EQ(Parse({"--test-map="}).Error, "--test-map needs a file name");
  EXPECT_EQ(Parse({"--record", "a", "b"}).Error, "unexpected argument b");
  EXPECT_EQ(Parse({"--record", "a", "--record=b"}).Error, "--record is given twice");
  EXPECT_EQ(Parse({"--play", "d.txt", "--test-map", "m.map"}).Error,
            "--play cannot be combined with --record or --test-map");
  EXPECT_EQ(Parse({"--record", "r.txt", "--play", "d.txt"}).Error,
            "--play cannot be combined with --record or --test-map");
  EXPECT_EQ(Parse({"--play", "d.txt", "--record", "r.txt"}).Kind, TCommandLine::Mode::Normal);
}

}  // namespace
}  // namespace sk
