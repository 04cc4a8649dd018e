#include "platform/sdl/SingleInstance.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/FileDescriptor.h"
#include "common/NewFiles.h"

namespace sk {
namespace {

constexpr const char* kLockName = "Skarveth.lock";

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string HomeFolder() {
  std::string home = Variable("HOME");
  if (home.empty()) {
    if (const passwd* entry = ::getpwuid(::geteuid())) home = entry->pw_dir;
  }
  return home;
}

// The player's runtime folder (made by the session, only theirs), then their cache folder.
std::vector<std::string> LockFolders() {
  std::vector<std::string> folders;
  const std::string runtime = Variable("XDG_RUNTIME_DIR");
  if (runtime.starts_with('/')) folders.push_back(runtime + "/skarveth");
  std::string cache = Variable("XDG_CACHE_HOME");
  if (!cache.starts_with('/')) {
    const std::string home = HomeFolder();
    if (home.starts_with('/')) cache = home + "/.cache";
  }
  if (cache.starts_with('/')) {
    ::mkdir(cache.c_str(), 0700);  // the cache folder may not exist yet on a fresh account
    folders.push_back(cache + "/skarveth");
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
