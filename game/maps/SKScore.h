#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The per-map table of the eight best scores and its score file beside the map.
//
// Score file, little-endian, no padding: magic "SKARVETH_SCORE" 0x01 (15 bytes), then eight
// entries from rank 1 down, each a length byte, that many 8-bit characters of the player's
// name, and the 16-bit score. An empty table is 39 bytes.
namespace sk {

inline constexpr std::size_t kScoreRanks = 8;
inline constexpr std::size_t kScoreMagicSize = 15;
inline constexpr std::array<std::uint8_t, kScoreMagicSize> kScoreMagic = {
    'S', 'K', 'A', 'R', 'V', 'E', 'T', 'H', '_', 'S', 'C', 'O', 'R', 'E', 0x01};
// The longest file the reader ever looks at: the magic and eight entries with 255-character
// names. Anything after that is never read.
inline constexpr std::size_t kScoreFileMaxSize = kScoreMagicSize + kScoreRanks * (1 + 255 + 2);
inline constexpr std::uint16_t kMaxScore = 65535;

struct TScoreEntry {
  std::uint16_t Score = 0;
  std::string Name;  // colour codes included
  friend bool operator==(const TScoreEntry&, const TScoreEntry&) = default;
};

// The table of the map selected in the menu, rank 1 first; scores never increase downwards.
struct TScoreTable {
  std::array<TScoreEntry, kScoreRanks> Entries;
};

void ClearScores(TScoreTable& table);

// "<ProgramDir>Maps/<map file name with its extension replaced by .sco>": only the part from
// the last dot on is replaced, so x.mapy.map keeps its inner dot.
std::string ScoreFileName(const std::string& program_dir, const std::string& map_file_name);

// The table held by a score file's bytes. A short or foreign magic gives an empty table; a
// file that ends inside its entries keeps the whole entries read before the end.
TScoreTable ParseScoreFile(std::span<const std::uint8_t> bytes);
// The score file for `table`; names longer than 255 characters are cut.
std::vector<std::uint8_t> AssembleScoreFile(const TScoreTable& table);

enum class ScoreFileState {
  Loaded,      // read (a damaged or foreign file reads as what could be made of it)
  Missing,     // no score file yet: an empty table
  Unreadable,  // something stands there that cannot be read: an empty table, and the file
               // must never be replaced by one made from it
};

// Clears the table, then reads the score file at `path` into it.
ScoreFileState LoadScores(TScoreTable& table, const std::string& path);
// Replaces the score file atomically (in place when only its folder refuses new files),
// making its folder first when it is missing; false, the old file untouched, one line on
// standard error naming the file and the reason, and the reason in `problem` (when given), when
// that fails.
bool SaveScores(const TScoreTable& table, const std::string& path, std::string* problem = nullptr);

// Refreshes the table from the file, inserts `score` under `player_name` below every entry
// that is at least as high, and writes the file. Returns the rank won, 1 to 8, or 0 when the
// score is 0 or less or too low for the table (the file is then not written). Scores above
// 65535 count as 65535. When the file exists but cannot be read, the new entry is kept in
// memory only, so the unknown scores in the file are never lost. Whenever a score that won a
// place is not on disk afterwards, `problem` (when given) says why; it is left alone otherwise.
int AddScore(TScoreTable& table, const std::string& path, long long score,
             const std::string& player_name, std::string* problem = nullptr);

}  // namespace sk
