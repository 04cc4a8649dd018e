#include "game/demo/DemoFiles.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "common/Sha256.h"
#include "game/maps/FileHead.h"
#include "game/maps/MapList.h"
#include "game/maps/SKScore.h"
#include "game/shell/SKInit.h"

namespace sk {
namespace fs = std::filesystem;
namespace {

constexpr const char* kSandboxTestMap = "TestMap.map";

// A refusal of the player's files; the message names the file.
struct Mismatch {
  std::string What;
};

std::optional<TFileIdentity> IdentifyFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return IdentifyBytes(*bytes);
}

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
  return std::to_string(id.Size) + " bytes (SHA-256 " + id.Sha256.substr(0, 12) + "...)";
}

// Reads the player's file at `path`, checks it against the recording and returns its bytes.
std::vector<std::uint8_t> CheckedFile(const std::string& path, const std::string& shown,
                                      const TFileIdentity& recorded) {
  auto bytes = ReadFileBytes(path);
  if (!bytes)
    throw Mismatch{"This demo needs the " + shown + ", which is missing or cannot be read."};
  const TFileIdentity here = IdentifyBytes(*bytes);
  if (here != recorded) {
    throw Mismatch{"This demo was recorded with another " + shown + ": here it has " +
                   Describe(here) + ", the recording's had " + Describe(recorded) + "."};
  }
  return std::move(*bytes);
}

void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Mismatch{"Cannot write the playback's temporary file " + path + "."};
}

std::string Flag(bool b) { return b ? "1" : "0"; }

std::string SandboxSettings(const TDemoSettings& s, const TSettings& look,
                            const std::string& testMap) {
  // Quotes keep a value exactly as it is: the reader removes one enclosing pair.
  return "[Skarveth Configuration]\n"
         "FullScreen=" +
         Flag(look.FullScreen) +
         "\n"
         "WindowWidth=" +
         std::to_string(look.WindowWidth) +
         "\n"
         "WindowHeight=" +
         std::to_string(look.WindowHeight) +
         "\n"
         "VSync=" +
         Flag(look.VSync) +
         "\n"
         "FrameDelay=" +
         std::to_string(s.FrameDelay) +
         "\n"
         // The frame rate on screen would make every frame depend on the machine.
         "DrawFPS=0\n"
         "DisableSound=" +
         Flag(s.DisableSound) +
         "\n"
         "DisableMusic=" +
         Flag(s.DisableMusic) +
         "\n"
         "SoundVolume=" +
         std::to_string(look.SoundVolume) +
         "\n"
         "MusicVolume=" +
         std::to_string(look.MusicVolume) +
         "\n"
         "Name=\"" +
         s.Name +
         "\"\n"
         "SkipIntro=" +
         Flag(s.SkipIntro) +
         "\n"
         "TestMap=\"" +
         testMap +
         "\"\n"
         "DisableChat=" +
         Flag(s.DisableChat) + "\n";
}

void CopyOverrides(const TDemo& demo, const TGamePaths& player, const TGamePaths& sandbox) {
  std::vector<std::string> recorded;
  for (const TDemoFile& file : demo.Overrides) {
    recorded.push_back(file.Name);
    const auto bytes = CheckedFile(player.OverrideFolder() + file.Name,
                                   "loose file Data/" + file.Name, file.Identity);
    fs::create_directories(sandbox.OverrideFolder());
    WriteBytes(sandbox.OverrideFolder() + file.Name, bytes);
  }
  for (const std::string& name : DataFileNames(player.OverrideFolder())) {
    if (std::find(recorded.begin(), recorded.end(), name) == recorded.end()) {
      throw Mismatch{"The loose file Data/" + name + " was not there when this demo was recorded."};
    }
  }
}

void CopyMaps(const TDemo& demo, const TGamePaths& player, const TGamePaths& sandbox) {
  for (const TDemoFile& map : demo.Maps) {
    const std::string file = FindMapFile(player.MapFolders(), map.Name);
    WriteBytes(sandbox.PlayerMapFolder() + map.Name,
               CheckedFile(file, "map Maps/" + map.Name, map.Identity));
  }
  for (const TDemoScore& score : demo.Scores) {
    const std::string path = sandbox.PlayerMapFolder() + score.Name;
    if (score.Kind == TDemoScore::State::Present) WriteBytes(path, score.Bytes);
    // Something that is not a file: the game reads nothing from it and never replaces it.
    if (score.Kind == TDemoScore::State::Unreadable) fs::create_directory(path);
  }
}

// The test map as the sandbox's settings name it.
std::string CopyTestMap(const TDemo& demo, const TGamePaths& player, const TGamePaths& sandbox) {
  const std::string& configured = demo.Settings.TestMap;
  if (configured.empty()) return {};
  // A test map the recorded session could not read stays unreadable in the replay.
  if (!demo.TestMapFile) return sandbox.PlayerMapFolder() + "missing test map";
  // The game finds a relative test map from the folder it starts in; a demo played from
  // another folder finds it in the player's game folder too.
  std::string path = TestMapFile(configured);
  if (GetFileKind(path) == FileKind::Missing && !path.starts_with('/'))
    path = player.UserDir + path;
  const std::string copy = sandbox.ProgramDir + kSandboxTestMap;
  WriteBytes(copy, CheckedFile(path, "test map " + configured, *demo.TestMapFile));
  return copy;
}

}  // namespace

TFileIdentity IdentifyBytes(std::span<const std::uint8_t> bytes) {
  return TFileIdentity{bytes.size(), Sha256Hex(bytes)};
}

TDemo BeginDemo(const TGamePaths& paths, const TSettings& settings, std::uint32_t seed) {
  TDemo demo;
  demo.Seed = seed;
  TDemoSettings& s = demo.Settings;
  s.FrameDelay = settings.FrameDelay;
  s.SkipIntro = settings.SkipIntro;
  s.TestMap = settings.TestMapPath;
  s.DisableChat = settings.ChatDisabled;
  s.DisableSound = settings.SoundOff;
  s.DisableMusic = settings.MusicOff;
  s.Name = settings.PlayerName;
  // A missing archive ends the session at once; the replay will end the same way.
  demo.Archive = IdentifyFile(paths.ArchiveFile()).value_or(IdentifyBytes({}));
  for (const std::string& name : DataFileNames(paths.OverrideFolder())) {
    if (auto id = IdentifyFile(paths.OverrideFolder() + name))
      demo.Overrides.push_back({name, *id});
  }
  for (const TMapListEntry& entry : BuildMapList(paths.MapFolders())) {
    if (auto id = IdentifyFile(entry.File())) {
      demo.Maps.push_back({entry.FileName, *id});
      demo.Scores.push_back(RecordScore(paths, entry.FileName));
    }
  }
  if (settings.TestMode) demo.TestMapFile = IdentifyFile(TestMapFile(settings.TestMapPath));
  return demo;
}

std::unique_ptr<TDemoSandbox> TDemoSandbox::Create(const TDemo& demo, const TGamePaths& player,
                                                   const TSettings& look, std::string& error) {
  std::string pattern = (fs::temp_directory_path() / "skarveth-demo.XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    error = "Cannot make a temporary folder for the playback.";
    return nullptr;
  }
  std::unique_ptr<TDemoSandbox> sandbox(new TDemoSandbox(pattern + "/"));
  const std::string& dir = sandbox->dir_;
  try {
    const TGamePaths folder = ReadyToPlayPaths(dir);
    fs::create_directories(folder.PlayerMapFolder());
    WriteBytes(folder.ArchiveFile(),
               CheckedFile(player.ArchiveFile(), std::string("data archive ") + kArchiveFileName,
                           demo.Archive));
    CopyOverrides(demo, player, folder);
    CopyMaps(demo, player, folder);
    const std::string testMap = CopyTestMap(demo, player, folder);
    const std::string ini = SandboxSettings(demo.Settings, look, testMap);
    WriteBytes(folder.SettingsFile(),
               std::span(reinterpret_cast<const std::uint8_t*>(ini.data()), ini.size()));
  } catch (const Mismatch& mismatch) {
    error = mismatch.What;
    return nullptr;
  } catch (const fs::filesystem_error& e) {
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
