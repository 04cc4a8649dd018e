#include "game/demo/DemoFiles.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/Error.h"
#include "common/FileDescriptor.h"
#include "common/FileIo.h"
#include "common/NewFiles.h"
#include "common/Sha256.h"
#include "game/demo/DemoLimits.h"
#include "game/demo/FileIdentity.h"
#include "game/maps/FileHead.h"
#include "game/maps/MapList.h"
#include "game/maps/SKMap.h"
#include "game/maps/SKScore.h"
#include "game/resources/ArchiveFormat.h"
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

// A new file of the playback folder: O_EXCL, so no name is ever written twice.
void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileDescriptor fd(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  std::size_t done = 0;
  while (fd.Get() >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (fd.Get() < 0 || done < bytes.size() || !fd.Close())
    throw Error("Cannot write the playback's temporary file " + path + ": " + std::strerror(errno));
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

void CopyOverrides(const TDemo& demo, const std::string& playerDir, const std::string& dir,
                   const StopCheck& stop) {
  std::vector<std::string> recorded;
  if (!demo.Overrides.empty()) fs::create_directories(dir + "Data");
  for (const TDemoFile& file : demo.Overrides) {
    recorded.push_back(file.Name);
    CopyChecked(playerDir + "Data/" + file.Name, "loose file Data/" + file.Name, file.Identity,
                kMaxMemberSize, dir + "Data/" + file.Name, stop);
  }
  for (const std::string& name : DataFileNames(playerDir)) {
    if (std::find(recorded.begin(), recorded.end(), name) == recorded.end()) {
      throw Mismatch{"The loose file Data/" + name + " was not there when this demo was recorded."};
    }
  }
}

void CopyMaps(const TDemo& demo, const std::string& playerDir, const std::string& dir,
              const StopCheck& stop) {
  for (const TDemoFile& map : demo.Maps) {
    CopyChecked(playerDir + "Maps/" + map.Name, "map Maps/" + map.Name, map.Identity,
                kMaxMapFileBytes, dir + "Maps/" + map.Name, stop);
  }
  // The reader let through only the score files of the maps above, each once.
  for (const TDemoScore& score : demo.Scores) {
    const std::string path = dir + "Maps/" + score.Name;
    if (score.Kind == TDemoScore::State::Present) WriteBytes(path, score.Bytes);
    // Something that is not a file: the game reads nothing from it and never replaces it.
    if (score.Kind == TDemoScore::State::Unreadable) fs::create_directory(path);
  }
}

// The test map as the sandbox's settings name it. A demo names it inside the game folder
// only (the reader refuses anything else), so nothing outside is ever read or described.
std::string CopyTestMap(const TDemo& demo, const std::string& playerDir, const std::string& dir,
                        const StopCheck& stop) {
  const std::string& configured = demo.Settings.TestMap;
  if (configured.empty()) return {};
  // A test map the recorded session could not read stays unreadable in the replay.
  if (!demo.TestMapFile) return dir + "Maps/missing test map";
  CopyChecked(playerDir + NormalizeSeparators(configured), "test map " + configured,
              *demo.TestMapFile, kMaxMapFileBytes, dir + kSandboxTestMap, stop);
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
  demo.Archive =
      IdentifyFile(programDir + kArchiveName, kIdentifyWholeFile).value_or(IdentifyBytes({}));
  for (const std::string& name : DataFileNames(programDir)) {
    if (auto id = IdentifyFile(programDir + "Data/" + name, kMaxMemberSize))
      demo.Overrides.push_back({name, *id});
  }
  for (const TMapListEntry& entry : BuildMapList(programDir)) {
    if (auto id = IdentifyFile(programDir + "Maps/" + entry.FileName, kMaxMapFileBytes)) {
      demo.Maps.push_back({entry.FileName, *id});
      // "A.map" and "A.MAP" share one score file.
      TDemoScore score = RecordScore(programDir, entry.FileName);
      const auto same = [&](const TDemoScore& s) { return s.Name == score.Name; };
      if (std::none_of(demo.Scores.begin(), demo.Scores.end(), same))
        demo.Scores.push_back(std::move(score));
    }
  }
  if (settings.TestMode) {
    const std::string path = TestMapFile(settings.TestMapPath);
    demo.TestMapFile = IdentifyFile(path, kMaxMapFileBytes);
    // Played back, the test map is looked for in the game folder only.
    if (auto inside = PathInFolder(path, programDir)) s.TestMap = *inside;
  }
  return demo;
}

std::unique_ptr<TDemoSandbox> TDemoSandbox::Create(const TDemo& demo, const std::string& playerDir,
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
    fs::create_directories(dir + "Maps");
    CopyChecked(playerDir + kArchiveName, std::string("data archive ") + kArchiveName, demo.Archive,
                kIdentifyWholeFile, dir + kArchiveName, stop);
    CopyOverrides(demo, playerDir, dir, stop);
    CopyMaps(demo, playerDir, dir, stop);
    const std::string testMap = CopyTestMap(demo, playerDir, dir, stop);
    const std::string ini = SandboxSettings(demo.Settings, look, testMap);
    WriteBytes(dir + "Skarveth.ini",
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
