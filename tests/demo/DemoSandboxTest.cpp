#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "common/FileIo.h"
#include "common/Sha256.h"
#include "game/demo/DemoFiles.h"
#include "game/maps/SKScore.h"
#include "game/resources/SKConfig.h"
#include "support/ScopedEnv.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

class DemoSandboxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakePlayerFolder(player, "[Skarveth Configuration]\nName=Ann\nFrameDelay=20\nDisableChat=1\n");
    TScoreTable table;
    table.Entries[0] = {42, "Ann"};
    scoreBytes = AssembleScoreFile(table);
    player.Write("Maps/Rustyard.sco", scoreBytes);
    fs::create_directories(player.Path("Maps/CanyonRelay.sco"));  // something unreadable
    player.Write("Data/Cursor.bmp", "not really a picture");
    demo = BeginDemoIn(player.Root(), 99);
  }

  // The recording's entry of the map `name`, or its removal, as if it had not been there.
  const TDemoFile& Recorded(const std::string& name) {
    const auto at = std::find_if(demo.Maps.begin(), demo.Maps.end(),
                                 [&](const TDemoFile& map) { return map.Name == name; });
    EXPECT_NE(at, demo.Maps.end()) << name << " is not listed";
    return at == demo.Maps.end() ? demo.Maps.front() : *at;
  }
  void Forget(const std::string& name) {
    std::erase_if(demo.Maps, [&](const TDemoFile& map) { return map.Name == name; });
    const std::string score = fs::path(name).replace_extension(".sco").string();
    std::erase_if(demo.Scores, [&](const TDemoScore& s) { return s.Name == score; });
  }

  std::unique_ptr<TDemoSandbox> Create() {
    error.clear();
    return TDemoSandbox::Create(demo, ReadyToPlayPaths(player.Root()), TSettings{}, error);
  }
  // Why no playback folder could be made for the demo; "(made)" when one could.
  std::string Refusal() { return Create() ? "(made)" : error; }

  TempDir player;
  std::vector<std::uint8_t> scoreBytes;
  TDemo demo;
  std::string error;
};

TEST_F(DemoSandboxTest, ARecordingStartsFromTheSettingsAndFilesOfThePlayersFolder) {
  EXPECT_EQ(demo.Seed, 99u);
  EXPECT_EQ(demo.Settings.PlayerName, "Ann");
  EXPECT_EQ(demo.Settings.FrameDelay, 20);
  EXPECT_TRUE(demo.Settings.ChatDisabled);
  EXPECT_EQ(demo.Archive.Size, fs::file_size(player.Path("Skarveth.dat")));
  ASSERT_EQ(demo.Overrides.size(), 1u);
  EXPECT_EQ(demo.Overrides[0].Name, "Cursor.bmp");
  EXPECT_EQ(demo.Overrides[0].Identity.Size, 20u);
  // Every listed map, each with its score file.
  ASSERT_GE(demo.Maps.size(), 3u);
  ASSERT_EQ(demo.Scores.size(), demo.Maps.size());
  const auto score = [&](const std::string& map) -> const TDemoScore& {
    for (std::size_t i = 0; i < demo.Maps.size(); ++i)
      if (demo.Maps[i].Name == map) return demo.Scores[i];
    ADD_FAILURE() << map << " is not listed";
    return demo.Scores.front();
  };
  EXPECT_EQ(score("CanyonRelay.map").Kind, TDemoScore::State::Unreadable);
  EXPECT_EQ(score("ReactorCore.map").Kind, TDemoScore::State::Missing);
  EXPECT_EQ(score("Rustyard.map").Bytes, scoreBytes);
}

// The game plays in a folder of its own: what it writes there never reaches the player.
TEST_F(DemoSandboxTest, ThePlaybackFolderHoldsTheRecordedStateAndGoesAwayAfterwards) {
  demo.Settings.PlayerName = "Bob";
  player.Write("Maps/Rustyard.sco", "changed since the recording");
  const auto before = Snapshot(player.Path());
  std::string dir;
  {
    const auto sandbox = Create();
    ASSERT_TRUE(sandbox) << error;
    dir = sandbox->ProgramDir();
    EXPECT_EQ(ReadFileBytes(dir + "Maps/Rustyard.sco"), scoreBytes);
    EXPECT_EQ(GetFileKind(dir + "Maps/CanyonRelay.sco"), FileKind::Other);
    EXPECT_EQ(GetFileKind(dir + "Maps/ReactorCore.sco"), FileKind::Missing);
    EXPECT_EQ(GetFileKind(dir + "Data/Cursor.bmp"), FileKind::Regular);
    const TSettings settings = LoadConfig(dir + "Skarveth.ini");
    EXPECT_EQ(settings.PlayerName, "Bob");
    EXPECT_EQ(settings.FrameDelay, 20);
    EXPECT_FALSE(settings.DrawFPS);
    // What a session writes: the name at its close, a score at a match's end.
    SaveSettings(dir + "Skarveth.ini", {"Carl"});
    TScoreTable table;
    EXPECT_EQ(AddScore(table, ScoreFileName(dir + "Maps/", "Rustyard.map"), 50, "Carl"), 1);
  }
  EXPECT_FALSE(fs::exists(dir));
  EXPECT_EQ(Snapshot(player.Path()), before);
}

// The longest name the settings hold, quotes and all, survives the demo and the settings file.
TEST_F(DemoSandboxTest, NamesTravelExactlyThroughTheDemoAndThePlaybackSettings) {
  demo.Settings.PlayerName = "\"^1A\" =;b" + std::string(2038, '\xE9');
  ASSERT_EQ(demo.Settings.PlayerName.size(), 2047u);
  const TDemoReadResult read = ParseDemoText(FormatDemo(demo));
  ASSERT_TRUE(read.Demo) << read.Error;
  EXPECT_EQ(read.Demo->Settings.PlayerName, demo.Settings.PlayerName);
  const auto sandbox = Create();
  ASSERT_TRUE(sandbox) << error;
  EXPECT_EQ(LoadConfig(sandbox->ProgramDir() + "Skarveth.ini").PlayerName, demo.Settings.PlayerName);
}

TEST_F(DemoSandboxTest, RefusesAnotherArchiveNamingBothIdentities) {
  const std::string recorded = demo.Archive.Sha256.substr(0, 12);
  auto bytes = *ReadFileBytes(player.Path("Skarveth.dat"));
  bytes.back() ^= 1;
  player.Write("Skarveth.dat", bytes);
  const TFileIdentity here = IdentifyBytes(bytes);
  EXPECT_EQ(Refusal(),
            "This demo was recorded with another data archive Skarveth.dat: here it has " +
                std::to_string(bytes.size()) + " bytes (SHA-256 " + here.Sha256.substr(0, 12) +
                "...), the recording's had " + std::to_string(bytes.size()) + " bytes (SHA-256 " +
                recorded + "...).");
  fs::remove(player.Path("Skarveth.dat"));
  EXPECT_EQ(Refusal(),
            "This demo needs the data archive Skarveth.dat, which is missing or cannot be read.");
}

TEST_F(DemoSandboxTest, RefusesMissingOrChangedMapsAndLooseFiles) {
  fs::remove(player.Path("Maps/ReactorCore.map"));
  EXPECT_EQ(Refusal(),
            "This demo needs the map Maps/ReactorCore.map, which is missing or cannot be read.");

  Forget("ReactorCore.map");
  player.Write("Maps/Rustyard.map", "SKARVETH_MAP");
  EXPECT_TRUE(Refusal().starts_with(
      "This demo was recorded with another map Maps/Rustyard.map: here it has 12 bytes"))
      << error;

  Forget("Rustyard.map");
  player.Write("Data/Extra.ogg", "x");
  EXPECT_EQ(Refusal(), "The loose file Data/Extra.ogg was not there when this demo was recorded.");
  fs::remove(player.Path("Data/Extra.ogg"));
  EXPECT_TRUE(Create()) << error;
}

// The test map is named inside the game folder, however the settings named it, and played
// from a checked copy; nothing outside the game folder is ever read for a demo.
TEST_F(DemoSandboxTest, TheTestMapIsCheckedAndPlayedFromACopy) {
  player.Write("Skarveth.ini", "[Skarveth Configuration]\nTestMap=" +
                                   player.Path("Maps/../Maps/Rustyard.map") + "\n");
  demo = BeginDemoIn(player.Root(), 5);
  EXPECT_EQ(demo.Settings.TestMapPath, "Maps/Rustyard.map");
  ASSERT_TRUE(demo.TestMapFile);
  EXPECT_EQ(*demo.TestMapFile, Recorded("Rustyard.map").Identity);
  {
    const auto sandbox = Create();
    ASSERT_TRUE(sandbox) << error;
    const TSettings settings = LoadConfig(sandbox->ProgramDir() + "Skarveth.ini");
    EXPECT_TRUE(settings.TestMode);
    EXPECT_EQ(ReadFileBytes(settings.TestMapPath), ReadFileBytes(player.Path("Maps/Rustyard.map")));
  }
  demo.Settings.TestMapPath = "Maps\\Rustyard.map";  // as written on the desktop
  EXPECT_TRUE(Create()) << error;
  fs::remove(player.Path("Maps/Rustyard.map"));
  Forget("Rustyard.map");
  EXPECT_EQ(Refusal(),
            "This demo needs the test map Maps\\Rustyard.map, which is missing or cannot be read.");
  demo.Settings.TestMapPath = player.Path("Skarveth.dat");
  EXPECT_EQ(Refusal(),
            "This demo cannot be played: the test map \"" + player.Path("Skarveth.dat") +
                "\" must be a path inside the game folder, relative to it and without \"..\".");
}

// A loose file (or map) longer than the 64 MB the game reads of it is known by its first
// 64 MB: recording, checking and copying it cost neither memory nor disk for the rest.
TEST_F(DemoSandboxTest, FilesAreReadOnlyAsFarAsTheGameReadsThem) {
  const std::string big = player.Path("Data/Huge.ogg");
  player.Write("Data/Huge.ogg", "head");
  ASSERT_EQ(::truncate(big.c_str(), 1LL << 30), 0);  // 1 GiB, nearly all of it a hole
  demo = BeginDemoIn(player.Root(), 7);
  ASSERT_EQ(demo.Overrides.size(), 2u);
  const TFileIdentity& recorded = demo.Overrides[1].Identity;
  EXPECT_EQ(recorded.Size, 1u << 30);
  Sha256 first64MB;
  first64MB.Update(std::vector<std::uint8_t>{'h', 'e', 'a', 'd'});
  const std::vector<std::uint8_t> zeros(1u << 20);
  for (int i = 0; i < 64; ++i)
    first64MB.Update(std::span(zeros).subspan(0, i ? zeros.size() : zeros.size() - 4));
  EXPECT_EQ(recorded.Sha256, HexDigits(first64MB.Finish()));
  const auto sandbox = Create();
  ASSERT_TRUE(sandbox) << error;
  struct stat copy {};
  ASSERT_EQ(::stat((sandbox->ProgramDir() + "Data/Huge.ogg").c_str(), &copy), 0);
  EXPECT_EQ(copy.st_size, 1LL << 30);  // still too long for the game, as the original
  EXPECT_LE(copy.st_blocks * 512, 65LL << 20);
}

TEST_F(DemoSandboxTest, AStoppedPreparationAndAMissingTemporaryFolderLeaveNothing) {
  TempDir temporary;
  const ScopedEnv there("TMPDIR", temporary.Path());
  int asked = 0;
  EXPECT_FALSE(TDemoSandbox::Create(demo, ReadyToPlayPaths(player.Root()), TSettings{}, error,
                                    [&] { return ++asked > 1; }));
  EXPECT_EQ(error, "The playback was stopped while it was being prepared.");
  EXPECT_EQ(temporary.Count(), 0);
  const ScopedEnv missing("TMPDIR", temporary.Path("none"));
  EXPECT_EQ(Refusal(), "Cannot prepare the playback: the temporary folder " +
                           temporary.Path("none") + " (TMPDIR) does not exist.");
}

}  // namespace
}  // namespace sk::test
