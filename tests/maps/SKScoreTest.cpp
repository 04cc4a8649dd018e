#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "MapTestFiles.h"
#include "common/ByteWriter.h"
#include "game/maps/SKScore.h"

namespace sk {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::vector<std::uint8_t> ScoreFile(const std::vector<TScoreEntry>& entries) {
  TScoreTable table;
  std::copy(entries.begin(), entries.end(), table.Entries.begin());
  return AssembleScoreFile(table);
}

std::vector<int> Scores(const TScoreTable& table) {
  std::vector<int> scores;
  for (const TScoreEntry& e : table.Entries) scores.push_back(e.Score);
  return scores;
}

TEST(ScoreFileName, ReplacesOnlyTheExtension) {
  EXPECT_EQ(ScoreFileName("/g/Maps/", "Test.map"), "/g/Maps/Test.sco");
  EXPECT_EQ(ScoreFileName("/g/Maps/", "x.mapy.map"), "/g/Maps/x.mapy.sco");
  EXPECT_EQ(ScoreFileName("/g/Maps/", "c.MAP"), "/g/Maps/c.sco");
  EXPECT_EQ(ScoreFileName("/g/Maps/", "plain"), "/g/Maps/plain.sco");
}

class AddScoreTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  std::string path_ = folder_.Path() + "Test.sco";
  TScoreTable table_;
};

TEST_F(AddScoreTest, FirstScoreMakesTheFile) {
  EXPECT_EQ(AddScore(table_, path_, 1, "^1Ann"), 1);
  EXPECT_EQ(ReadBytes(path_), ScoreFile({{1, "^1Ann"}}));
  EXPECT_EQ(ReadBytes(path_).size(), 39u + 5u);
  EXPECT_EQ(AddScore(table_, path_, 0, "Bob"), 0);
  EXPECT_EQ(AddScore(table_, path_, -3, "Bob"), 0);
  EXPECT_EQ(ReadBytes(path_), ScoreFile({{1, "^1Ann"}}));
}

TEST_F(AddScoreTest, TiesGoBelowTheEarlierEntry) {
  WriteBytes(path_, ScoreFile({{50, "a"}, {40, "b"}, {40, "c"}, {30, "d"}}));
  EXPECT_EQ(AddScore(table_, path_, 40, "new"), 4);
  EXPECT_EQ(Scores(table_), (std::vector<int>{50, 40, 40, 40, 30, 0, 0, 0}));
  EXPECT_EQ(table_.Entries[3].Name, "new");
  EXPECT_EQ(table_.Entries[4].Name, "d");
  EXPECT_EQ(ReadBytes(path_), AssembleScoreFile(table_));
}

TEST_F(AddScoreTest, FullTableOfEqualScoresIsNotRewritten) {
  const std::vector<TScoreEntry> tens(8, TScoreEntry{10, "x"});
  std::vector<std::uint8_t> file = ScoreFile(tens);
  file.push_back(0xEE);  // would vanish if the file were rewritten
  WriteBytes(path_, file);
  EXPECT_EQ(AddScore(table_, path_, 10, "y"), 0);
  EXPECT_EQ(ReadBytes(path_), file);
  EXPECT_EQ(AddScore(table_, path_, 11, "y"), 1);
  EXPECT_EQ(Scores(table_), (std::vector<int>{11, 10, 10, 10, 10, 10, 10, 10}));
}

TEST_F(AddScoreTest, ScoresAboveTheRangeAreClamped) {
  EXPECT_EQ(AddScore(table_, path_, 70000, "a"), 1);
  EXPECT_EQ(AddScore(table_, path_, 65535, "b"), 2);
  EXPECT_EQ(AddScore(table_, path_, 1LL << 40, "c"), 3);
  EXPECT_EQ(Scores(table_), (std::vector<int>{65535, 65535, 65535, 0, 0, 0, 0, 0}));
}

TEST_F(AddScoreTest, LongNamesAreCutToTheirFirst255Characters) {
  const std::string name(300, 'n');
  EXPECT_EQ(AddScore(table_, path_, 5, name), 1);
  TScoreTable again;
  LoadScores(again, path_);
  EXPECT_EQ(again.Entries[0].Name, name.substr(0, 255));
}

TEST(LoadScores, DamagedFilesKeepWhatCanBeRead) {
  TempFolder folder;
  const std::string path = folder.Path() + "s.sco";
  TScoreTable table;
  table.Entries[0] = {9, "stale"};
  EXPECT_EQ(LoadScores(table, path), ScoreFileState::Missing);
  EXPECT_EQ(Scores(table), std::vector<int>(8, 0));

  const std::vector<std::uint8_t> empty = ScoreFile({});
  ASSERT_EQ(empty.size(), 39u);
  WriteBytes(path, empty);
  EXPECT_EQ(LoadScores(table, path), ScoreFileState::Loaded);
  EXPECT_EQ(table.Entries, TScoreTable{}.Entries);

  // Every cut of a file with three entries: whole entries stay, the rest stays empty.
  const std::vector<TScoreEntry> three = {{30, "ab"}, {20, "c"}, {10, ""}};
  const std::vector<std::uint8_t> full = ScoreFile(three);
  const std::size_t entry_ends[] = {15 + 5, 15 + 5 + 4, 15 + 5 + 4 + 3};
  for (std::size_t n = 0; n < entry_ends[2]; ++n) {
    TScoreTable expected;
    for (std::size_t k = 0; k < 3; ++k) {
      if (entry_ends[k] <= n) expected.Entries[k] = three[k];
    }
    WriteBytes(path, std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<long>(n)));
    EXPECT_EQ(LoadScores(table, path), ScoreFileState::Loaded);
    EXPECT_EQ(table.Entries, expected.Entries) << n;
  }

  std::vector<std::uint8_t> other = full;
  other[14] = 0x02;
  WriteBytes(path, other);
  LoadScores(table, path);
  EXPECT_EQ(table.Entries, TScoreTable{}.Entries);
  // Bytes after the eighth entry are never looked at.
  std::vector<std::uint8_t> longer = full;
  longer.resize(100000, 0x41);
  WriteBytes(path, longer);
  LoadScores(table, path);
  EXPECT_EQ(Scores(table), (std::vector<int>{30, 20, 10, 0, 0, 0, 0, 0}));
}

TEST_F(AddScoreTest, FilesThatCannotBeReadOrWrittenStayAsTheyWere) {
  // Something that is not a regular file: never replaced, the new entry lives in memory only.
  std::filesystem::create_directory(path_);
  EXPECT_EQ(AddScore(table_, path_, 5, "a"), 1);
  EXPECT_EQ(table_.Entries[0], (TScoreEntry{5, "a"}));
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  std::filesystem::remove(path_);

  // A score file without any write bit stays as it was, even for root.
  const std::vector<std::uint8_t> old = ScoreFile({{7, "old"}});
  WriteBytes(path_, old);
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  EXPECT_EQ(AddScore(table_, path_, 9, "new"), 1);
  EXPECT_EQ(Scores(table_), (std::vector<int>{9, 7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ReadBytes(path_), old);

  // A folder that cannot exist: nothing is written, nothing is thrown, and the caller
  // learns that the score was not kept.
  const std::string through_file = path_ + "/Test.sco";
  EXPECT_EQ(LoadScores(table_, through_file), ScoreFileState::Unreadable);
  std::string problem;
  EXPECT_EQ(AddScore(table_, through_file, 3, "x", &problem), 1);
  EXPECT_EQ(problem, "the score file cannot be read");
}

// The player's score folder is made, private to the player, with the first score it keeps.
TEST_F(AddScoreTest, AMissingScoreFolderIsMadeWithTheFirstScore) {
  const std::string file = folder_.Path() + "share/skarveth/Maps/Test.sco";
  std::string problem;
  EXPECT_EQ(AddScore(table_, file, 5, "Ann", &problem), 1);
  EXPECT_EQ(problem, "");
  TScoreTable read;
  EXPECT_EQ(LoadScores(read, file), ScoreFileState::Loaded);
  EXPECT_EQ(Scores(read), (std::vector<int>{5, 0, 0, 0, 0, 0, 0, 0}));
  struct stat st {};
  ASSERT_EQ(::stat((folder_.Path() + "share/skarveth/Maps").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(AddScoreTest, FailedSaveSaysWhichFileAndWhy) {
  WriteBytes(path_, {});
  const std::string through_file = path_ + "/Test.sco";
  testing::internal::CaptureStderr();
  std::string problem;
  EXPECT_FALSE(SaveScores(table_, through_file, &problem));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Cannot save the scores to " + through_file +
                                                        ": cannot make the folder " + path_ +
                                                        ": Not a directory\n");
  EXPECT_EQ(problem, "cannot make the folder " + path_ + ": Not a directory");
}

// A folder that takes no new files must not cost the player the score: the file itself is
// writable, so it is rewritten in place.
TEST_F(AddScoreTest, ScoreFileInAReadOnlyFolderIsRewrittenInPlace) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into every folder";
  WriteBytes(path_, ScoreFile({{7, "old"}}));
  ASSERT_EQ(::chmod(folder_.Path().c_str(), 0555), 0);
  EXPECT_EQ(AddScore(table_, path_, 9, "new"), 1);
  ::chmod(folder_.Path().c_str(), 0755);
  TScoreTable read;
  EXPECT_EQ(LoadScores(read, path_), ScoreFileState::Loaded);
  EXPECT_EQ(Scores(read), (std::vector<int>{9, 7, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace sk
