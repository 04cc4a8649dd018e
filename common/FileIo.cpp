#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "common/FileDescriptor.h"
#include "common/WriteInPlace.h"
#include "common/WriteTarget.h"

namespace sk {
namespace {

// A name beside `name` that nobody can guess, so nobody can plant anything there first.
std::string TemporaryName(const std::string& name) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::string out = "." + name + ".";
  for (int i = 0; i < 12; ++i) out += kLetters[random() % (sizeof kLetters - 1)];
  return out;
}

// A new file that did not exist before: O_EXCL never opens what is there, links included.
int CreateTemporary(int folder, const std::string& target, mode_t mode, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = TemporaryName(target);
    const int fd =
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(int folder) {
  const FileDescriptor fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

}  // namespace

std::string FileSizeLimitProblem(std::uint64_t size) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
      size <= limit.rlim_cur)
    return {};
  return "the file-size limit (ulimit -f) is " + std::to_string(limit.rlim_cur) +
         " bytes, the file needs " + std::to_string(size);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  // Past the limit the write would stop part-way and SIGXFSZ would end the program. The limit
  // counts where the write ends; a pipe has no place and no limit.
  const off_t place = ::lseek(fd, 0, SEEK_CUR);
  if (place >= 0 &&
      !FileSizeLimitProblem(static_cast<std::uint64_t>(place) + bytes.size()).empty()) {
    errno = EFBIG;
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

FileKind GetFileKind(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return FileKind::Missing;
  return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

FileDescriptor OpenRegularFile(const std::string& path, std::uint64_t& size) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st {};
  if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  size = static_cast<std::uint64_t>(st.st_size);
  return fd;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::size_t max_bytes) {
  std::uint64_t size = 0;
  const FileDescriptor fd = OpenRegularFile(path, size);
  if (fd.Get() < 0 || size > max_bytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
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

// What stands at the target now; false, with `why`, when it may not be replaced.
bool CheckExisting(const TWriteTarget& target, bool& exists, struct stat& st, std::string& why) {
  exists = ::fstatat(target.Folder.Get(), target.Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  if (!exists) return true;
  if (!S_ISREG(st.st_mode)) {
    why = "not a regular file";
  } else if ((st.st_mode & 0222) == 0 ||
             ::faccessat(target.Folder.Get(), target.Name.c_str(), W_OK, 0) != 0) {
    why = "the file is read-only";
  } else {
    return true;
  }
  return false;
}

// The permissions of the new file: those of an old file of the user's own, but never setuid,
// setgid or sticky; none taken from anybody else's.
std::optional<mode_t> KeptMode(bool exists, const struct stat& st) {
  if (!exists || st.st_uid != ::geteuid()) return std::nullopt;
  return st.st_mode & 0777;
}

bool Replace(const std::string& path, std::span<const std::uint8_t> bytes, std::string* reason,
             FileReaders readers, bool may_rewrite_in_place) {
  std::string why;
  const auto fail = [&](std::string text) {
    if (reason) *reason = std::move(text);
    return false;
  };
  const std::optional<TWriteTarget> target = OpenWriteTarget(path, why);
  if (!target) return fail(why);
  bool exists = false;
  struct stat st {};
  if (!CheckExisting(*target, exists, st, why)) return fail(why);
  if (std::string limit = FileSizeLimitProblem(bytes.size()); !limit.empty()) return fail(limit);
  const int folder = target->Folder.Get();
  std::string temporary;
  FileDescriptor fd(CreateTemporary(folder, target->Name, ModeFor(readers), temporary));
  if (fd.Get() < 0) {
    const int error = errno;
    // A folder we may not write in, holding a file we may: the file is rewritten in place.
    if (may_rewrite_in_place && exists && (error == EACCES || error == EPERM)) {
      return WriteInPlace(*target, bytes, reason);
    }
    return fail(std::strerror(error));
  }
  bool ok = WriteAll(fd.Get(), bytes);
  const std::optional<mode_t> kept = KeptMode(exists, st);
  if (ok && kept) ok = ::fchmod(fd.Get(), *kept) == 0;
  ok = ok && ::fsync(fd.Get()) == 0;
  ok = fd.Close() && ok;
  // rename() replaces whatever stands at the name by then, and never follows a link there.
  ok = ok && ::renameat(folder, temporary.c_str(), folder, target->Name.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlinkat(folder, temporary.c_str(), 0);
    return fail(std::strerror(error));
  }
  SyncFolder(folder);
  return true;
}

}  // namespace

std::string ReplaceProblem(const std::string& path) {
  std::string why;
  const std::optional<TWriteTarget> target = OpenWriteTarget(path, why);
  bool exists = false;
  struct stat st {};
  if (target && CheckExisting(*target, exists, st, why)) return {};
  return why;
}

bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           std::string* reason, FileReaders readers) {
  return Replace(path, bytes, reason, readers, false);
}

bool SaveFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string* reason) {
  return Replace(path, bytes, reason, FileReaders::Everyone, true);
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

std::optional<std::string> PathInFolder(const std::string& path, const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path whole = fs::absolute(NormalizeSeparators(path), error).lexically_normal();
  const fs::path base = fs::absolute(folder, error).lexically_normal();
  if (error) return std::nullopt;
  const fs::path inside = whole.lexically_relative(base);
  if (inside.empty() || inside == "." || *inside.begin() == "..") return std::nullopt;
  return inside.generic_string();
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
