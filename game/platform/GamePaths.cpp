#include "game/platform/GamePaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "game/maps/SKScore.h"
#include "game/platform/FolderTrust.h"

#ifndef SK_INSTALL_DATA_FROM_BIN
#define SK_INSTALL_DATA_FROM_BIN "../share/skarveth"
#endif

namespace sk {
namespace {

std::string WithSlash(std::string folder) {
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The folder an XDG variable names, or its default under the home folder: a relative or
// empty setting is no setting at all.
std::string XdgFolder(const std::string& configured, const std::string& home,
                      const char* fallback) {
  if (configured.starts_with('/')) return WithSlash(configured);
  return WithSlash(home) + fallback;
}

}  // namespace

std::vector<std::string> TGamePaths::MapFolders() const {
  if (Layout == TGameLayout::ReadyToPlay) return {DataDir + "Maps/"};
  return {DataDir + "Maps/", PlayerMapFolder()};
}

std::vector<std::string> TGamePaths::TestMapFolders() const {
  if (Layout == TGameLayout::ReadyToPlay) return {ProgramDir};
  return {UserDir, DataDir};
}

std::string TGamePaths::ScoreFile(const std::string& mapFileName) const {
  // Every score table is the player's, the shipped maps' too.
  return ScoreFileName(PlayerMapFolder(), mapFileName);
}

TGamePaths ReadyToPlayPaths(const std::string& folder) {
  const std::string dir = WithSlash(folder);
  return TGamePaths{TGameLayout::ReadyToPlay, dir, dir, dir, dir};
}

TUserEnvironment ProcessUserEnvironment() {
  TUserEnvironment env;
  env.Home = Variable("HOME");
  if (!env.Home.starts_with('/')) {
    // A session without HOME (a service, a cron job) still belongs to an account.
    const passwd* account = ::getpwuid(::getuid());
    env.Home = account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "";
  }
  env.XdgConfigHome = Variable("XDG_CONFIG_HOME");
  env.XdgDataHome = Variable("XDG_DATA_HOME");
  env.XdgCacheHome = Variable("XDG_CACHE_HOME");
  env.XdgRuntimeDir = Variable("XDG_RUNTIME_DIR");
  return env;
}

std::string InstalledDataFromProgram() { return SK_INSTALL_DATA_FROM_BIN; }

std::optional<TGamePaths> FindGamePaths(const std::string& programDir, const TUserEnvironment& env,
                                        const std::string& dataFromProgram, std::string& problem) {
  const std::string program = WithSlash(programDir);
  // The program's folder comes from /proc/self/exe with every link resolved, so dropping the
  // "bin/.." lexically names the same folder, and the player sees a plain path in messages.
  const std::string data =
      WithSlash(std::filesystem::path(program + dataFromProgram).lexically_normal().string());
  if (!IsInstallTree(program, data, kInstallMarkerName)) return ReadyToPlayPaths(program);
  if (!env.Home.starts_with('/') &&
      (!env.XdgConfigHome.starts_with('/') || !env.XdgDataHome.starts_with('/'))) {
    problem = "no home folder to keep your settings and scores in (HOME is not set)";
    return std::nullopt;
  }
  TGamePaths paths;
  paths.Layout = TGameLayout::Installed;
  paths.ProgramDir = program;
  paths.DataDir = data;
  paths.ConfigDir = XdgFolder(env.XdgConfigHome, env.Home, ".config/") + kUserFolderName + "/";
  paths.UserDir = XdgFolder(env.XdgDataHome, env.Home, ".local/share/") + kUserFolderName + "/";
  // Another user's folder would hand the player their maps, loose Data/ files and settings.
  for (const auto& [folder, what] : {std::pair{paths.ConfigDir, "your settings (XDG_CONFIG_HOME)"},
                                     std::pair{paths.UserDir, "your maps (XDG_DATA_HOME)"}}) {
    if (auto why = PlayerFolderProblem(folder, what)) {
      problem = *why;
      return std::nullopt;
    }
  }
  return paths;
}

bool SeedSettingsFile(const TGamePaths& paths, std::string& problem) {
  if (paths.Layout != TGameLayout::Installed) return true;
  const std::string target = paths.SettingsFile();
  if (GetFileKind(target) != FileKind::Missing) return true;
  const auto shipped = ReadFileBytes(paths.ShippedSettingsFile(), IniFile::kMaxFileSize);
  if (!shipped) return true;  // nothing to seed from: the defaults hold
  std::string reason;
  if (MakeFolders(paths.ConfigDir, &reason) && ReplaceFileAtomically(target, *shipped, &reason))
    return true;
  problem = target + ": " + reason;
  return false;
}

std::string SettingsFileToRead(const TGamePaths& paths) {
  const std::string own = paths.SettingsFile();
  if (paths.Layout == TGameLayout::Installed && GetFileKind(own) == FileKind::Missing)
    return paths.ShippedSettingsFile();
  return own;
}

}  // namespace sk
