#include "game/maps/SKScore.h"

#include <algorithm>
#include <cstdio>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/Error.h"
#include "common/FileIo.h"
#include "common/Printable.h"
#include "game/maps/FileHead.h"

namespace sk {

void ClearScores(TScoreTable& table) { table.Entries.fill(TScoreEntry{}); }

std::string ScoreFileName(const std::string& folder, const std::string& map_file_name) {
  const std::size_t dot = map_file_name.rfind('.');
  const std::string stem =
      dot == std::string::npos ? map_file_name : map_file_name.substr(0, dot);
  return folder + stem + ".sco";
}

TScoreTable ParseScoreFile(std::span<const std::uint8_t> bytes) {
  TScoreTable table;
  if (bytes.size() < kScoreMagicSize ||
      !std::equal(kScoreMagic.begin(), kScoreMagic.end(), bytes.begin())) {
    return table;
  }
  ByteReader reader(bytes.subspan(kScoreMagicSize));
  try {
    for (TScoreEntry& entry : table.Entries) {
      TScoreEntry read;
      read.Name = reader.ShortString();
      read.Score = reader.U16();
      entry = std::move(read);
    }
  } catch (const Error&) {
    // The file ends inside an entry: what was read whole stays, the rest stays empty.
  }
  return table;
}

std::vector<std::uint8_t> AssembleScoreFile(const TScoreTable& table) {
  ByteWriter writer;
  writer.Bytes(kScoreMagic);
  for (const TScoreEntry& entry : table.Entries) {
    writer.ShortString(std::string_view(entry.Name).substr(0, 255));
    writer.U16(entry.Score);
  }
  return writer.Take();
}

ScoreFileState LoadScores(TScoreTable& table, const std::string& path) {
  ClearScores(table);
  const TFileHead head = ReadFileHead(path, kScoreFileMaxSize);
  switch (head.Status) {
    case FileHeadStatus::Missing:
      return ScoreFileState::Missing;
    case FileHeadStatus::Unreadable:
      return ScoreFileState::Unreadable;
    case FileHeadStatus::Read:
      break;
  }
  table = ParseScoreFile(head.Bytes);
  return ScoreFileState::Loaded;
}

bool SaveScores(const TScoreTable& table, const std::string& path, std::string* problem) {
  std::string reason;
  // The player's score folder is made with the first score it keeps.
  if (MakeFolders(FolderOf(path), &reason) && SaveFile(path, AssembleScoreFile(table), &reason))
    return true;
  // The game goes on without the new score on disk; whoever looks at the console learns why.
  std::fprintf(stderr, "Cannot save the scores to %s: %s\n", PrintableText(path).c_str(),
               PrintableText(reason).c_str());
  if (problem) *problem = reason;
  return false;
}

int AddScore(TScoreTable& table, const std::string& path, long long score,
             const std::string& player_name, std::string* problem) {
  const ScoreFileState state = LoadScores(table, path);
  if (score <= 0) return 0;
  const auto clamped = static_cast<std::uint16_t>(std::min<long long>(score, kMaxScore));
  auto& entries = table.Entries;
  const auto place = std::find_if(entries.begin(), entries.end(),
                                  [&](const TScoreEntry& e) { return e.Score < clamped; });
  if (place == entries.end()) return 0;
  std::move_backward(place, entries.end() - 1, entries.end());
  *place = TScoreEntry{clamped, player_name};
  if (state != ScoreFileState::Unreadable) {
    SaveScores(table, path, problem);
  } else {
    std::fprintf(stderr, "Cannot save the scores to %s: the file there cannot be read\n",
                 PrintableText(path).c_str());
    if (problem) *problem = "the score file cannot be read";
  }
  return static_cast<int>(place - entries.begin()) + 1;
}

}  // namespace sk
