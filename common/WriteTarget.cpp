#include "common/WriteTarget.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <string>

namespace sk {
namespace {

constexpr int kMaxLinks = 40;  // as many as the system follows in one lookup

std::deque<std::string> SplitPath(const std::string& path) {
  std::deque<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

FileDescriptor OpenFolder(int at, const char* name) {
  return FileDescriptor(::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool Trusted(uid_t owner) { return owner == ::geteuid() || owner == 0; }

// The real path of the folder a relative path starts in, for messages ("" for "/").
std::string CurrentFolder() {
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return "/.";
  return std::string(cwd) == "/" ? "" : cwd;
}

}  // namespace

std::optional<TWriteTarget> OpenWriteTarget(const std::string& path, std::string& reason) {
  const auto fail = [&](std::string why) -> std::optional<TWriteTarget> {
    reason = std::move(why);
    return std::nullopt;
  };
  if (path.empty()) return fail(std::strerror(ENOENT));
  std::deque<std::string> parts = SplitPath(path);
  // The folders walked so far, for messages.
  std::string shown = path.starts_with('/') ? "" : CurrentFolder();
  FileDescriptor folder = OpenFolder(AT_FDCWD, path.starts_with('/') ? "/" : ".");
  int links = 0;
  while (!parts.empty()) {
    if (folder.Get() < 0) return fail(std::strerror(errno));
    std::string name = std::move(parts.front());
    parts.pop_front();
    if (name == "..") {
      folder = OpenFolder(folder.Get(), "..");
      shown.erase(std::min(shown.rfind('/'), shown.size()));
      continue;
    }
    struct stat st {};
    if (::fstatat(folder.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      // A new file may be made; a missing folder on the way is a failure.
      if (errno == ENOENT && parts.empty()) return TWriteTarget{std::move(folder), name};
      return fail(std::strerror(errno));
    }
    if (S_ISLNK(st.st_mode)) {
      if (++links > kMaxLinks) return fail(std::strerror(ELOOP));
      struct stat holder {};
      if (::fstat(folder.Get(), &holder) != 0) return fail(std::strerror(errno));
      if (!Trusted(st.st_uid) || !Trusted(holder.st_uid)) {
        return fail("the symbolic link " + shown + "/" + name +
                    (Trusted(st.st_uid) ? " lies in a folder of another user"
                                        : " belongs to another user") +
                    "; only links that you or root own, in folders you or root own, are followed");
      }
      char target[PATH_MAX];
      const ssize_t n = ::readlinkat(folder.Get(), name.c_str(), target, sizeof target - 1);
      if (n <= 0) return fail(std::strerror(n < 0 ? errno : ENOENT));
      const std::string link(target, static_cast<std::size_t>(n));
      if (link.starts_with('/')) {
        folder = OpenFolder(AT_FDCWD, "/");
        shown.clear();
      }
      std::deque<std::string> inner = SplitPath(link);
      parts.insert(parts.begin(), inner.begin(), inner.end());
      continue;
    }
    if (parts.empty()) return TWriteTarget{std::move(folder), name};
    if (!S_ISDIR(st.st_mode)) return fail(std::strerror(ENOTDIR));
    folder = OpenFolder(folder.Get(), name.c_str());
    shown += "/" + name;
  }
  return fail(std::strerror(EISDIR));  // the path ends in a folder
}

}  // namespace sk
