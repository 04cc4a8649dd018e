// Where the game's files live in the ready-to-play folder and in an installed copy.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <tuple>

#include "game/maps/MapList.h"
#include "game/platform/GamePaths.h"
#include "support/TempDir.h"

namespace sk {
namespace {

// An install tree in the usual layout: programs in bin/, data in share/skarveth/.
class InstallTree {
 public:
  explicit InstallTree(bool marker = true) {
    tree.Write("bin/skarveth", "");
    tree.Write("share/skarveth/Skarveth.ini", "[Skarveth Configuration]\nSkipIntro=1\n");
    if (marker) tree.Write("share/skarveth/install-marker", "installed\n");
  }
  std::string Bin() const { return tree.Path("bin/"); }
  std::string Data() const { return tree.Path("share/skarveth/"); }

  TempDir tree;
  TempDir home;
};

std::optional<TGamePaths> Find(const InstallTree& t, TUserEnvironment env, std::string& problem,
                               const std::string& programDir = "bin/") {
  return FindGamePaths(t.tree.Path(programDir), env, "../share/skarveth", problem);
}

TEST(GamePaths, WithoutTheMarkerEverythingIsBesideTheProgram) {
  const InstallTree t(false);
  std::string problem;
  const auto paths = Find(t, {t.home.Root(), "", ""}, problem);
  ASSERT_TRUE(paths);
  EXPECT_EQ(paths->Layout, TGameLayout::ReadyToPlay);
  EXPECT_EQ(paths->ArchiveFile(), t.Bin() + "Skarveth.dat");
  EXPECT_EQ(SettingsFileToRead(*paths), t.Bin() + "Skarveth.ini");
  EXPECT_EQ(paths->OverrideFolder(), t.Bin() + "Data/");
  EXPECT_EQ(paths->MapFolders(), std::vector<std::string>{t.Bin() + "Maps/"});
  EXPECT_EQ(paths->ScoreFile("x.mapy.map"), t.Bin() + "Maps/x.mapy.sco");

  // A marker that is no regular file marks nothing.
  t.tree.Write("share/skarveth/install-marker/inside", "");
  EXPECT_EQ(Find(t, {t.home.Root(), "", ""}, problem)->Layout, TGameLayout::ReadyToPlay);
}

TEST(GamePaths, AnInstalledCopyKeepsThePlayersFilesInTheXdgFolders) {
  const InstallTree t;
  const std::string home = t.home.Path();  // ends in '/'
  std::string problem;
  auto paths = Find(t, {home, "", ""}, problem);
  ASSERT_TRUE(paths);
  EXPECT_EQ(paths->Layout, TGameLayout::Installed);
  EXPECT_EQ(paths->ProgramDir, t.Bin());
  EXPECT_EQ(paths->ArchiveFile(), t.Data() + "Skarveth.dat");
  EXPECT_EQ(paths->SettingsFile(), home + ".config/skarveth/Skarveth.ini");
  EXPECT_EQ(paths->OverrideFolder(), home + ".local/share/skarveth/Data/");
  EXPECT_EQ(paths->MapFolders(),
            (std::vector<std::string>{t.Data() + "Maps/", home + ".local/share/skarveth/Maps/"}));
  EXPECT_EQ(paths->ScoreFile("Rustyard.map"), home + ".local/share/skarveth/Maps/Rustyard.sco");

  // Absolute XDG folders are used; relative or empty ones are no setting at all.
  paths = Find(t, {home, "/cfg", "/data/"}, problem);
  EXPECT_EQ(paths->SettingsFile(), "/cfg/skarveth/Skarveth.ini");
  EXPECT_EQ(paths->PlayerMapFolder(), "/data/skarveth/Maps/");
  paths = Find(t, {home, "cfg", "./data"}, problem);
  EXPECT_EQ(paths->SettingsFile(), home + ".config/skarveth/Skarveth.ini");
  EXPECT_EQ(paths->PlayerMapFolder(), home + ".local/share/skarveth/Maps/");

  // Without a home folder only complete XDG settings will do.
  EXPECT_TRUE(Find(t, {"", "/cfg", "/data"}, problem));
  EXPECT_FALSE(Find(t, {"", "/cfg", ""}, problem));
  EXPECT_EQ(problem, "no home folder to keep your settings and scores in (HOME is not set)");
}

// A marker counts only in a real install tree: programs in bin/, and nothing on the way to the
// marker that someone else made or may change (giving files away needs root).
TEST(GamePaths, OnlyARealInstallTreeMakesAnInstalledCopy) {
  const std::tuple<const char*, const char*, mode_t, uid_t, TGameLayout> cases[] = {
      {"bin/", "share", 01777, 0, TGameLayout::Installed},  // like /tmp
      {"games/", "share", 0755, 0, TGameLayout::ReadyToPlay},
      {"bin/", "share", 0777, 0, TGameLayout::ReadyToPlay},
      {"bin/", "share/skarveth/install-marker", 0666, 0, TGameLayout::ReadyToPlay},
      {"bin/", "share/skarveth/install-marker", 0644, 65534, TGameLayout::ReadyToPlay}};
  for (const auto& [program, changed, mode, owner, layout] : cases) {
    if (owner != 0 && ::geteuid() != 0) continue;
    const InstallTree t;
    ::chmod(t.tree.Path(changed).c_str(), mode);
    ::lchown(t.tree.Path(changed).c_str(), owner, owner);
    std::string problem;
    EXPECT_EQ(Find(t, {t.home.Path(), "", ""}, problem, program)->Layout, layout) << changed;
  }
}

// A maps folder someone else could replace is refused (another user's own: StrangerTest).
TEST(GamePaths, XdgFoldersOthersMayChangeAreRefused) {
  const InstallTree t;
  t.home.Write("x/skarveth/Maps/a.map", "");
  std::string why;
  ::chmod(t.home.Path("x").c_str(), 0777);
  EXPECT_FALSE(Find(t, {t.home.Path(), "", t.home.Path("x")}, why));
  EXPECT_EQ(why, "the folder of your maps (XDG_DATA_HOME), " + t.home.Path("x/skarveth/") +
                     ", lies in " + t.home.Path("x/") + ", where another user could replace it");
  ::chmod(t.home.Path("x").c_str(), 01777);
  EXPECT_TRUE(Find(t, {t.home.Path(), "", t.home.Path("x")}, why));
}

TEST(GamePaths, TheFirstStartSeedsThePlayersSettingsOnceAndPrivately) {
  const InstallTree t;
  std::string problem;
  const auto paths = Find(t, {t.home.Path(), "", ""}, problem);
  ASSERT_TRUE(paths);
  EXPECT_EQ(SettingsFileToRead(*paths), paths->ShippedSettingsFile());
  ASSERT_TRUE(SeedSettingsFile(*paths, problem)) << problem;
  EXPECT_EQ(t.home.Read(".config/skarveth/Skarveth.ini"),
            "[Skarveth Configuration]\nSkipIntro=1\n");
  EXPECT_EQ(SettingsFileToRead(*paths), paths->SettingsFile());
  for (const char* folder : {".config", ".config/skarveth"}) {
    struct stat st {};
    ASSERT_EQ(::stat(t.home.Path(folder).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
  }

  // The player's own file is never replaced, whatever it holds.
  t.home.Write(".config/skarveth/Skarveth.ini", "mine");
  ASSERT_TRUE(SeedSettingsFile(*paths, problem));
  EXPECT_EQ(t.home.Read(".config/skarveth/Skarveth.ini"), "mine");
}

TEST(GamePaths, ASeedThatCannotBeWrittenSaysWhy) {
  const InstallTree t;
  t.home.Write(".config", "a file where the folder should be");  // stops root too
  std::string problem;
  const auto paths = Find(t, {t.home.Path(), "", ""}, problem);
  ASSERT_TRUE(paths);
  EXPECT_FALSE(SeedSettingsFile(*paths, problem));
  EXPECT_EQ(problem, paths->SettingsFile() + ": cannot make the folder " + t.home.Path(".config") +
                         ": Not a directory");
  // The game still reads the shipped settings.
  EXPECT_EQ(SettingsFileToRead(*paths), paths->ShippedSettingsFile());
}

std::vector<std::uint8_t> MapHeader(const std::string& name) {
  std::vector<std::uint8_t> bytes = {'S', 'K', 'A', 'R', 'V', 'E', 'T', 'H', '_', 'M', 'A', 'P', 1};
  bytes.push_back(static_cast<std::uint8_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  return bytes;
}

// The player's maps are listed with the shipped ones; a player's map hides a shipped map of
// the same file name (letter case aside), even one that turns out unreadable.
TEST(GamePaths, ThePlayersMapsJoinTheShippedOnesAndWinOnTheSameName) {
  TempDir dir;
  const std::string shipped = dir.Path("shipped/");
  const std::string mine = dir.Path("mine/");
  dir.Write("shipped/Canyon.map", MapHeader("Shipped Canyon"));
  dir.Write("shipped/Rustyard.map", MapHeader("Shipped Rustyard"));
  dir.Write("shipped/Reactor.map", MapHeader("Shipped Reactor"));
  dir.Write("mine/rustyard.MAP", MapHeader("My Rustyard"));
  dir.Write("mine/Reactor.map", "not a map");
  dir.Write("mine/Alley.map", MapHeader("My Alley"));
  const TMapList expected = {{"My Alley", "Alley.map", mine},
                             {"Shipped Canyon", "Canyon.map", shipped},
                             {"My Rustyard", "rustyard.MAP", mine}};
  EXPECT_EQ(BuildMapList({shipped, mine}), expected);
  EXPECT_EQ(BuildMapList({shipped, dir.Path("none/")}).size(), 3u);

  EXPECT_EQ(FindMapFile({shipped, mine}, "Reactor.map"), mine + "Reactor.map");
  EXPECT_EQ(FindMapFile({shipped, mine}, "Canyon.map"), shipped + "Canyon.map");
  EXPECT_EQ(FindMapFile({shipped, mine}, "Gone.map"), "");
}

}  // namespace
}  // namespace sk
