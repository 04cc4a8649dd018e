#include "game/demo/DemoLimits.h"

#include "common/Cp1252.h"
#include "common/FileIo.h"
#include "game/maps/SKScore.h"

namespace sk {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool EndsWithMap(const std::string& name) {
  constexpr std::string_view kExtension = ".map";
  return name.size() > kExtension.size() &&
         SameText(std::string_view(name).substr(name.size() - kExtension.size()), kExtension);
}

std::optional<std::string> AddName(std::set<std::string>& names, const std::string& name,
                                   std::size_t limit, const std::string& what) {
  if (names.count(name) != 0) return what + " " + Quoted(name) + " is given twice";
  if (names.size() >= limit) {
    // A playback copies and checks every one before the first tick.
    return "more than " + std::to_string(limit) + " " + what + "s; a demo holds at most " +
           std::to_string(limit);
  }
  names.insert(name);
  return std::nullopt;
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

std::optional<std::string> DemoMapNameProblem(const std::string& name) {
  if (!IsPlainFileName(name)) return Quoted(name) + " is not a plain file name";
  if (!EndsWithMap(name)) return "map " + Quoted(name) + " is not named like a map (*.map)";
  return std::nullopt;
}

std::vector<std::string> KeepRecordableMaps(TMapList& list) {
  std::vector<std::string> notices;
  std::erase_if(list, [&](const TMapListEntry& entry) {
    const auto problem = DemoMapNameProblem(entry.FileName);
    if (problem) {
      notices.push_back("The map " + entry.File() +
                        " is left out of this recording, which could not be played back with it: " +
                        *problem + ".");
    }
    return problem.has_value();
  });
  if (list.size() > kMaxDemoMaps) {
    notices.push_back(std::to_string(list.size() - kMaxDemoMaps) + " of " +
                      std::to_string(list.size()) + " maps, from " + list[kMaxDemoMaps].File() +
                      " on, are left out of this recording: a demo holds at most " +
                      std::to_string(kMaxDemoMaps) + " maps.");
    list.resize(kMaxDemoMaps);
  }
  return notices;
}

std::optional<std::string> FrameDelayProblem(std::int32_t frameDelay) {
  if (frameDelay <= kMaxDemoFrameDelay) return std::nullopt;
  return "the frame delay " + std::to_string(frameDelay) + " is above " +
         std::to_string(kMaxDemoFrameDelay) + " ms (one tick a second)";
}

std::optional<std::string> DemoTestMapProblem(const std::string& path) {
  bool parentFolder = false;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find_first_of("/\\", start), path.size());
    parentFolder |= std::string_view(path).substr(start, end - start) == "..";
    start = end + 1;
  }
  if (!path.starts_with('/') && !path.starts_with('\\') && !parentFolder) return std::nullopt;
  return "the test map " + Quoted(path) +
         " must be a path inside the game folder, relative to it and without \"..\"";
}

std::optional<std::string> TDemoFileCheck::AddOverride(const std::string& name) {
  return AddName(overrides_, name, kMaxDemoOverrides, "loose file");
}

std::optional<std::string> TDemoFileCheck::AddMap(const std::string& name) {
  if (auto problem = DemoMapNameProblem(name)) return problem;
  return AddName(maps_, name, kMaxDemoMaps, "map");
}

std::optional<std::string> TDemoFileCheck::AddScore(const TDemoScore& score, std::size_t line) {
  if (score.Bytes.size() > kScoreFileMaxSize) {
    return "score file " + Quoted(score.Name) + " holds more than the " +
           std::to_string(kScoreFileMaxSize) + " bytes the game reads of one";
  }
  // One score file per map: their names are checked against the maps once all are known.
  if (auto problem = AddName(scores_, score.Name, kMaxDemoMaps, "score file")) return problem;
  scoreLines_.emplace_back(line, score.Name);
  return std::nullopt;
}

std::optional<std::pair<std::size_t, std::string>> TDemoFileCheck::CheckScores() const {
  std::set<std::string> expected;
  for (const std::string& map : maps_) expected.insert(NameOf(ScoreFileName("", map)));
  for (const auto& [line, name] : scoreLines_) {
    if (expected.count(name) == 0) {
      return std::pair{line, "score file " + Quoted(name) +
                                 " belongs to none of the demo's maps; a demo holds only "
                                 "their score files (<map name>.sco)"};
    }
  }
  return std::nullopt;
}

std::optional<std::string> DemoHeadProblem(const TDemo& demo) {
  if (auto problem = FrameDelayProblem(demo.Settings.FrameDelay)) return problem;
  if (auto problem = DemoTestMapProblem(demo.Settings.TestMapPath)) return problem;
  TDemoFileCheck files;
  for (const TDemoFile& file : demo.Overrides) {
    if (auto problem = files.AddOverride(file.Name)) return problem;
  }
  for (const TDemoFile& file : demo.Maps) {
    if (auto problem = files.AddMap(file.Name)) return problem;
  }
  for (const TDemoScore& score : demo.Scores) {
    if (auto problem = files.AddScore(score, 0)) return problem;
  }
  if (auto problem = files.CheckScores()) return problem->second;
  return std::nullopt;
}

}  // namespace sk
