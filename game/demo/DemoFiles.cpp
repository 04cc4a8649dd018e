#include "game/demo/DemoFiles.h"

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/Error.h"
#include "common/FileDescriptor.h"
#include "common/FileIo.h"
#include "common/NewFiles.h"
#include "game/demo/DemoLimits.h"
#include "game/demo/FileIdentity.h"
#include "game/maps/FileHead.h"
#include "game/maps/MapList.h"
#include "game/maps/SKMap.h"
#include "game/maps/SKScore.h"
#include "game/resources/ArchiveFormat.h"
#include "game/resources/SettingsTable.h"
#include "game/shell/SKInit.h"

namespace sk {
namespace fs = std::filesystem;
namespace {

constexpr const char* kSandboxTestMap = "TestMap.map";

// A refusal of the player's files; the message names the file.
struct Mismatch {
  std::string What;
};

std::vector<std::string> DataFileNames(const std::string& overrideFolder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(overrideFolder, error), end; !error && it != end;
       it.increment(error)) {
    if (GetFileKind(it->path().string()) == FileKind::Regular)
      names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TDemoScore RecordScore(const TGamePaths& paths, const std::string& mapFile) {
  const std::string path = paths.ScoreFile(mapFile);
  TDemoScore score;
  score.Name = NameOf(path);
  const TFileHead head = ReadFileHead(path, kScoreFileMaxSize);
  switch (head.Status) {
    case FileHeadStatus::Missing:
      score.Kind = TDemoScore::State::Missing;
      break;
    case FileHeadStatus::Unreadable:
      score.Kind = TDemoScore::State::Unreadable;
      break;
    case FileHeadStatus::Read:
      score.Kind = TDemoScore::State::Present;
      score.Bytes = head.Bytes;
      break;
  }
  return score;
}

std::string Describe(const TFileIdentity& id) {
  const std::string bytes = std::to_string(id.Size) + " bytes";
  return id.Sha256.empty() ? bytes : bytes + " (SHA-256 " + id.Sha256.substr(0, 12) + "...)";
}

// Copies the player's file at `path` into the playback folder after checking it against the
// recording; `shown` names it in refusals.
void CopyChecked(const std::string& path, const std::string& shown, const TFileIdentity& recorded,
                 std::uint64_t cap, const std::string& to, const StopCheck& stop) {
  TFileIdentity here;
  switch (CopyCheckedFile(path, recorded, cap, to, here, stop)) {
    case TCopyResult::Copied:
      return;
    case TCopyResult::Unreadable:
      throw Mismatch{"This demo needs the " + shown + ", which is missing or cannot be read."};
    case TCopyResult::Differs:
      throw Mismatch{"This demo was recorded with another " + shown + ": here it has " +
                     Describe(here) + ", the recording's had " + Describe(recorded) + "."};
  }
}

// A new file of the playback folder: no name is ever written twice.
void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileDescriptor fd = CreateNewFile(path);
  if (fd.Get() < 0 || !WriteAll(fd.Get(), bytes) || !fd.Close())
    throw Error("Cannot write the playback's temporary file " + path + ": " + std::strerror(errno));
}

// The recorded settings, and the player's own for how the session is shown and heard.
std::string SandboxSettings(const TSettings& recorded, const TSettings& look,
                            const std::string& testMap) {
  TSettings s = look;
  CopyDemoSettings(recorded, s);
  // The frame rate on screen would make every frame depend on the machine.
  s.DrawFPS = false;
  s.TestMapPath = testMap;
  return SettingsFileText(s);
}

void CopyOverrides(const TDemo& demo, const TGamePaths& player, const TGamePaths& sandbox,
                   const StopCheck& stop) {
  std::vector<std::string> recorded;
  if (!demo.Overrides.empty()) fs::create_directories(sandbox.OverrideFolder());
  for (const TDemoFile& file : demo.Overrides) {
    recorded.push_back(file.Name);
    CopyChecked(player.OverrideFolder() + file.Name, "loose file Data/" + file.Name, file.Identity,
                kMaxMemberSize, sandbox.OverrideFolder() + file.Name, stop);
  }
  for (const std::string& name : DataFileNames(player.OverrideFolder())) {
    if (std::find(recorded.begin(), recorded.end(), name) == recorded.end()) {
      throw Mismatch{"The loose file Data/" + name + " was not there when this demo was recorded."};
    }
  }
}

void CopyMaps(const TDemo& demo, const TGamePaths& player, const TGamePaths& sandbox,
              const StopCheck& stop) {
  for (const TDemoFile& map : demo.Maps) {
    CopyChecked(FindMapFile(player.MapFolders(), map.Name), "map Maps/" + map.Name, map.Identity,
                kMaxMapFileBytes, sandbox.PlayerMapFolder() + map.Name, stop);
  }
  // The reader let through only the score files of the maps above, each once.
  for (const TDemoScore& score : demo.Scores) {
    const std::string path = sandbox.PlayerMapFolder() + score.Name;
    if (score.Kind == TDemoScore::State::Present) WriteBytes(path, score.Bytes);
    // Something that is not a file: the game reads nothing from it and never replaces it.
    if (score.Kind == TDemoScore::State::Unreadable) fs::create_directory(path);
  }
}

// Where a playback finds the test map a demo names: in the first test-map folder that has it.
std::string FindTestMap(const TGamePaths& player, const std::string& relative) {
  const std::vector<std::string> folders = player.TestMapFolders();
  for (const std::string& folder : folders) {
    if (GetFileKind(folder + relative) != FileKind::Missing) return folder + relative;
  }
  return folders.front() + relative;
}

// The test map as the sandbox's settings name it. A demo names it inside the game's test-map
// folders only (the reader refuses anything else), so nothing outside is ever read or described.
std::string CopyTestMap(const TDemo& demo, const TGamePaths& player, const TGamePaths& sandbox,
                        const StopCheck& stop) {
  const std::string& configured = demo.Settings.TestMapPath;
  if (configured.empty()) return {};
  // A test map the recorded session could not read stays unreadable in the replay.
  if (!demo.TestMapFile) return sandbox.PlayerMapFolder() + "missing test map";
  const std::string copy = sandbox.ProgramDir + kSandboxTestMap;
  CopyChecked(FindTestMap(player, NormalizeSeparators(configured)), "test map " + configured,
              *demo.TestMapFile, kMaxMapFileBytes, copy, stop);
  return copy;
}

}  // namespace

TDemo BeginDemo(const TGamePaths& paths, const TSettings& settings, std::uint32_t seed,
                std::vector<std::string>* leftOut) {
  TDemo demo;
  demo.Seed = seed;
  CopyDemoSettings(settings, demo.Settings);
  // A missing archive ends the session at once; the replay will end the same way.
  demo.Archive = IdentifyFile(paths.ArchiveFile(), kIdentifyWholeFile).value_or(IdentifyBytes({}));
  for (const std::string& name : DataFileNames(paths.OverrideFolder())) {
    if (auto id = IdentifyFile(paths.OverrideFolder() + name, kMaxMemberSize))
      demo.Overrides.push_back({name, *id});
  }
  TMapList maps = BuildMapList(paths.MapFolders());
  std::vector<std::string> notices = KeepRecordableMaps(maps);
  if (leftOut) *leftOut = std::move(notices);
  for (const TMapListEntry& entry : maps) {
    if (auto id = IdentifyFile(entry.File(), kMaxMapFileBytes)) {
      demo.Maps.push_back({entry.FileName, *id});
      // "A.map" and "A.MAP" share one score file.
      TDemoScore score = RecordScore(paths, entry.FileName);
      const auto same = [&](const TDemoScore& s) { return s.Name == score.Name; };
      if (std::none_of(demo.Scores.begin(), demo.Scores.end(), same))
        demo.Scores.push_back(std::move(score));
    }
  }
  if (settings.TestMode) {
    const std::string path = TestMapFile(settings.TestMapPath);
    demo.TestMapFile = IdentifyFile(path, kMaxMapFileBytes);
    // Played back, the test map is looked for in the game's test-map folders only.
    for (const std::string& folder : paths.TestMapFolders()) {
      if (auto inside = PathInFolder(path, folder)) {
        demo.Settings.TestMapPath = *inside;
        break;
      }
    }
  }
  return demo;
}

std::unique_ptr<TDemoSandbox> TDemoSandbox::Create(const TDemo& demo, const TGamePaths& player,
                                                   const TSettings& look, std::string& error,
                                                   const StopCheck& stop) {
  // A demo read from a file is held to these already; one made in the program is held here.
  if (const auto problem = DemoHeadProblem(demo)) {
    error = "This demo cannot be played: " + *problem + ".";
    return nullptr;
  }
  std::string why;
  const std::optional<std::string> temporary = TemporaryFolder(&why);
  if (!temporary) {
    error = "Cannot prepare the playback: " + why + ".";
    return nullptr;
  }
  std::string pattern = *temporary + "/skarveth-demo.XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    error = "Cannot make a temporary folder for the playback in " + *temporary + ": " +
            std::strerror(errno) + ".";
    return nullptr;
  }
  std::unique_ptr<TDemoSandbox> sandbox(new TDemoSandbox(pattern + "/"));
  const std::string& dir = sandbox->dir_;
  try {
    const TGamePaths folder = ReadyToPlayPaths(dir);
    fs::create_directories(folder.PlayerMapFolder());
    CopyChecked(player.ArchiveFile(), std::string("data archive ") + kArchiveFileName, demo.Archive,
                kIdentifyWholeFile, folder.ArchiveFile(), stop);
    CopyOverrides(demo, player, folder, stop);
    CopyMaps(demo, player, folder, stop);
    const std::string testMap = CopyTestMap(demo, player, folder, stop);
    const std::string ini = SandboxSettings(demo.Settings, look, testMap);
    WriteBytes(folder.SettingsFile(),
               std::span(reinterpret_cast<const std::uint8_t*>(ini.data()), ini.size()));
  } catch (const Mismatch& mismatch) {
    error = mismatch.What;
    return nullptr;
  } catch (const StopRequested&) {
    error = "The playback was stopped while it was being prepared.";
    return nullptr;
  } catch (const std::exception& e) {
    error = std::string("Cannot prepare the playback: ") + e.what();
    return nullptr;
  }
  return sandbox;
}

TDemoSandbox::~TDemoSandbox() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

}  // namespace sk
