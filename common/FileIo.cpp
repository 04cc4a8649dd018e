#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace sk {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Follows symbolic links (also dangling ones) to the path that will really be written.
std::optional<std::string> ResolveLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
    if (n < 0) return std::nullopt;
    const std::string link(target, static_cast<std::size_t>(n));
    path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
  }
  return std::nullopt;  // a loop of links
}

std::string TemporaryName(const std::string& target, int attempt) {
  return FolderOf(target) + "/." + NameOf(target) + ".tmp." + std::to_string(::getpid()) + "." +
         std::to_string(attempt);
}

int CreateTemporary(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = TemporaryName(target, attempt);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Truncates and rewrites an existing file: the one way left when its folder takes no new
// files. A failure part-way leaves the file damaged, which is why it is the last resort.
bool WriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes,
                  std::string* reason) {
  FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  bool ok = fd.Get() >= 0 && WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
  ok = (fd.Get() < 0 || fd.Close()) && ok;
  if (!ok && reason) *reason = std::strerror(errno);
  return ok;
}

}  // namespace

FileKind GetFileKind(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return FileKind::Missing;
  return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::size_t max_bytes) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<std::uint64_t>(st.st_size) > max_bytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;  // the file shrank while we read it
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

namespace {

bool Replace(const std::string& path, std::span<const std::uint8_t> bytes, std::string* reason,
             bool may_rewrite_in_place) {
  const auto fail = [&](const char* why) {
    if (reason) *reason = why;
    return false;
  };
  const auto target = ResolveLinks(path);
  if (!target) return fail("too many levels of symbolic links");
  struct stat st {};
  const bool exists = ::stat(target->c_str(), &st) == 0;
  if (exists) {
    if (!S_ISREG(st.st_mode)) return fail("not a regular file");
    if ((st.st_mode & 0222) == 0 || ::access(target->c_str(), W_OK) != 0) {
      return fail("the file is read-only");
    }
  }
  std::string temporary;
  FileDescriptor fd(CreateTemporary(*target, temporary));
  if (fd.Get() < 0) {
    const int error = errno;
    // A folder we may not write in, holding a file we may: the file is rewritten in place.
    if (may_rewrite_in_place && exists && (error == EACCES || error == EPERM)) {
      return WriteInPlace(*target, bytes, reason);
    }
    return fail(std::strerror(error));
  }
  bool ok = WriteAll(fd.Get(), bytes);
  if (ok && exists) ok = ::fchmod(fd.Get(), st.st_mode & 07777) == 0;
  ok = ok && ::fsync(fd.Get()) == 0;
  ok = fd.Close() && ok;
  ok = ok && ::rename(temporary.c_str(), target->c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return fail(std::strerror(error));
  }
  SyncFolder(FolderOf(*target));
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           std::string* reason) {
  return Replace(path, bytes, reason, false);
}

bool SaveFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string* reason) {
  return Replace(path, bytes, reason, true);
}

bool MakeFolders(const std::string& folder, std::string* reason) {
  const auto fail = [&](const std::string& why) {
    if (reason) *reason = why;
    return false;
  };
  std::size_t end = folder.starts_with('/') ? 1 : 0;
  while (end < folder.size()) {
    std::size_t next = folder.find('/', end);
    if (next == std::string::npos) next = folder.size();
    const std::string prefix = folder.substr(0, next);
    end = next + 1;
    if (prefix.empty() || prefix.ends_with('/')) continue;
    if (::mkdir(prefix.c_str(), 0700) == 0) continue;
    const int error = errno;
    struct stat st {};
    if (::stat(prefix.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) continue;
    return fail("cannot make the folder " + prefix + ": " +
                std::strerror(error == EEXIST ? ENOTDIR : error));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  if (cut == std::string::npos) return ".";
  if (cut == 0) return "/";
  return path.substr(0, cut);
}

std::string NameOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string NormalizeSeparators(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string OpenProblem(const std::string& path) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) return std::strerror(errno);
  struct stat st {};
  if (::fstat(file.Get(), &st) != 0) return std::strerror(errno);
  if (S_ISDIR(st.st_mode)) return std::strerror(EISDIR);
  if (!S_ISREG(st.st_mode)) return "not a regular file";
  return "";
}

}  // namespace sk
