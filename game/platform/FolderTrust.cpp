#include "game/platform/FolderTrust.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace sk {
namespace {

namespace fs = std::filesystem;

bool OwnedByRootOrPlayer(const struct stat& st) {
  return st.st_uid == 0 || st.st_uid == ::geteuid();
}

bool OthersMayWrite(const struct stat& st) { return (st.st_mode & (S_IWGRP | S_IWOTH)) != 0; }

// In a sticky folder nobody can move or replace what another user made.
bool OthersMayReplaceEntries(const struct stat& st) {
  return OthersMayWrite(st) && (st.st_mode & S_ISVTX) == 0;
}

// A path without the trailing '/' that would make lstat follow a link.
fs::path Plain(const std::string& folder) {
  std::error_code ignored;
  fs::path path = fs::absolute(folder, ignored);
  return path.has_filename() ? path : path.parent_path();
}

// The folder or file at `path` itself (never a link's target), made by root or the player and
// writable by nobody else.
bool Sealed(const fs::path& path, bool folder) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && (folder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode)) &&
         OwnedByRootOrPlayer(st) && !OthersMayWrite(st);
}

// Nobody but root and the player can swap any folder above `path` for one of their own.
bool FoldersAboveSealed(fs::path path) {
  while (path.has_relative_path()) {
    path = path.parent_path();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || !OwnedByRootOrPlayer(st) ||
        OthersMayReplaceEntries(st)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool IsInstallTree(const std::string& programDir, const std::string& dataDir,
                   const std::string& markerName) {
  if (Plain(programDir).filename() != "bin") return false;
  const fs::path data = Plain(dataDir);
  return Sealed(data, true) && Sealed(data / markerName, false) && FoldersAboveSealed(data);
}

std::optional<std::string> PlayerFolderProblem(const std::string& folder, const std::string& what) {
  const std::string named = "the folder of " + what + ", " + folder + ",";
  // Links are followed here: a player may well keep ~/.config elsewhere. Whose folder it
  // finally is decides.
  const fs::path own = Plain(folder);
  struct stat st {};
  if (::stat(own.c_str(), &st) == 0) {
    if (st.st_uid != ::geteuid()) return named + " belongs to another user";
    if (OthersMayWrite(st)) return named + " may be written by other users";
  }
  if (::stat(own.parent_path().c_str(), &st) == 0 &&
      (!OwnedByRootOrPlayer(st) || OthersMayReplaceEntries(st))) {
    return named + " lies in " + own.parent_path().string() +
           "/, where another user could replace it";
  }
  return std::nullopt;
}

}  // namespace sk
