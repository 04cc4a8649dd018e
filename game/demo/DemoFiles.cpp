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

constexpr const char* kArchiveName = "Skarveth.dat";
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

std::vector<std::string> DataFileNames(const std::string& programDir) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(programDir + "Data", error), end; !error && it != end;
       it.increment(error)) {
    if (GetFileKind(it->path().string()) == FileKind::Regular)
      names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TDemoScore RecordScore(const std::string& programDir, const std::string& mapFile) {
  const std::string path = ScoreFileName(programDir, mapFile);
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

void CopyOverrides(const TDemo& demo, const std::string& playerDir, const std::string& dir) {
  std::vector<std::string> recorded;
  for (const TDemoFile& file : demo.Overrides) {
    recorded.push_back(file.Name);
    const auto bytes =
        CheckedFile(playerDir + "Data/" + file.Name, "loose file Data/" + file.Name, file.Identity);
    fs::create_directories(dir + "Data");
    WriteBytes(dir + "Data/" + file.Name, bytes);
  }
  for (const std::string& name : DataFileNames(playerDir)) {
    if (std::find(recorded.begin(), recorded.end(), name) == recorded.end()) {
      throw Mismatch{"The loose file Data/" + name + " was not there when this demo was recorded."};
    }
  }
}

void CopyMaps(const TDemo& demo, const std::string& playerDir, const std::string& dir) {
  for (const TDemoFile& map : demo.Maps) {
    WriteBytes(dir + "Maps/" + map.Name,
               CheckedFile(playerDir + "Maps/" + map.Name, "map Maps/" + map.Name, map.Identity));
  }
  for (const TDemoScore& score : demo.Scores) {
    const std::string path = dir + "Maps/" + score.Name;
    if (score.Kind == TDemoScore::State::Present) WriteBytes(path, score.Bytes);
    // Something that is not a file: the game reads nothing from it and never replaces it.
    if (score.Kind == TDemoScore::State::Unreadable) fs::create_directory(path);
  }
}

// The test map as the sandbox's settings name it.
std::string CopyTestMap(const TDemo& demo, const std::string& playerDir, const std::string& dir) {
  const std::string& configured = demo.Settings.TestMap;
  if (configured.empty()) return {};
  // A test map the recorded session could not read stays unreadable in the replay.
  if (!demo.TestMapFile) return dir + "Maps/missing test map";
  // The game finds a relative test map from the folder it starts in; a demo played from
  // another folder finds it in the game's folder too.
  std::string path = TestMapFile(configured);
  if (GetFileKind(path) == FileKind::Missing && !path.starts_with('/')) path = playerDir + path;
  WriteBytes(dir + kSandboxTestMap, CheckedFile(path, "test map " + configured, *demo.TestMapFile));
  return dir + kSandboxTestMap;
}

}  // namespace

TFileIdentity IdentifyBytes(std::span<const std::uint8_t> bytes) {
  return TFileIdentity{bytes.size(), Sha256Hex(bytes)};
}

TDemo BeginDemo(const std::string& programDir, std::uint32_t seed) {
  TDemo demo;
  demo.Seed = seed;
  const TSettings settings = LoadConfig(programDir);
  TDemoSettings& s = demo.Settings;
  s.FrameDelay = settings.FrameDelay;
  s.SkipIntro = settings.SkipIntro;
  s.TestMap = settings.TestMapPath;
  s.DisableChat = settings.ChatDisabled;
  s.DisableSound = settings.SoundOff;
  s.DisableMusic = settings.MusicOff;
  s.Name = settings.PlayerName;
  // A missing archive ends the session at once; the replay will end the same way.
  demo.Archive = IdentifyFile(programDir + kArchiveName).value_or(IdentifyBytes({}));
  for (const std::string& name : DataFileNames(programDir)) {
    if (auto id = IdentifyFile(programDir + "Data/" + name)) demo.Overrides.push_back({name, *id});
  }
  for (const TMapListEntry& entry : BuildMapList(programDir)) {
    if (auto id = IdentifyFile(programDir + "Maps/" + entry.FileName)) {
      demo.Maps.push_back({entry.FileName, *id});
      demo.Scores.push_back(RecordScore(programDir, entry.FileName));
    }
  }
  if (settings.TestMode) demo.TestMapFile = IdentifyFile(TestMapFile(settings.TestMapPath));
  return demo;
}

std::unique_ptr<TDemoSandbox> TDemoSandbox::Create(const TDemo& demo, const std::string& playerDir,
                                                   const TSettings& look, std::string& error) {
  std::string pattern = (fs::temp_directory_path() / "skarveth-demo.XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    error = "Cannot make a temporary folder for the playback.";
    return nullptr;
  }
  std::unique_ptr<TDemoSandbox> sandbox(new TDemoSandbox(pattern + "/"));
  const std::string& dir = sandbox->dir_;
  try {
    fs::create_directories(dir + "Maps");
    WriteBytes(dir + kArchiveName,
               CheckedFile(playerDir + kArchiveName, std::string("data archive ") + kArchiveName,
                           demo.Archive));
    CopyOverrides(demo, playerDir, dir);
    CopyMaps(demo, playerDir, dir);
    const std::string testMap = CopyTestMap(demo, playerDir, dir);
    const std::string ini = SandboxSettings(demo.Settings, look, testMap);
    WriteBytes(dir + "Skarveth.ini",
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
