#include "platform/sdl/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/FileDescriptor.h"
#include "common/NewFiles.h"
#include "game/platform/GamePaths.h"

namespace sk {
namespace {

constexpr const char* kLockName = "Skarveth.lock";

// The player's runtime folder (made by the session, only theirs), then their cache folder.
std::vector<std::string> LockFolders() {
  const TUserEnvironment env = ProcessUserEnvironment();
  const std::string own = std::string("/") + kUserFolderName;
  std::vector<std::string> folders;
  if (env.XdgRuntimeDir.starts_with('/')) folders.push_back(env.XdgRuntimeDir + own);
  std::string cache = env.XdgCacheHome;
  if (!cache.starts_with('/') && env.Home.starts_with('/')) cache = env.Home + "/.cache";
  if (cache.starts_with('/')) {
    ::mkdir(cache.c_str(), 0700);  // the cache folder may not exist yet on a fresh account
    folders.push_back(cache + own);
  }
  return folders;
}

// The lock file in a folder only we can write; nothing when it is not safely ours.
FileDescriptor OpenLockFile(const std::string& folderPath) {
  const FileDescriptor folder = OpenPrivateFolder(folderPath);
  if (folder.Get() < 0) return {};
  FileDescriptor lock(
      ::openat(folder.Get(), kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  struct stat st {};
  if (lock.Get() < 0 || ::fstat(lock.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
      st.st_uid != ::geteuid()) {
    return {};
  }
  return lock;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock() : candidates_(LockFolders()) {}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool SingleInstanceLock::Acquire() {
  if (fd_ >= 0) return true;
  for (const std::string& candidate : candidates_) {
    FileDescriptor lock = OpenLockFile(candidate);
    if (lock.Get() < 0) continue;
    if (::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;
    fd_ = lock.Release();
    folder_ = candidate;
    return true;
  }
  return true;
}

}  // namespace sk
