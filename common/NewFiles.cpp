#include "common/NewFiles.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/FileIo.h"

namespace sk {

std::optional<std::string> TemporaryFolder(std::string* reason) {
  const char* tmpdir = std::getenv("TMPDIR");
  const bool configured = tmpdir != nullptr && *tmpdir != '\0';
  const std::string folder = configured ? tmpdir : "/tmp";
  struct stat st {};
  const bool found = ::stat(folder.c_str(), &st) == 0;
  const int error = found ? 0 : errno;  // errno speaks only for a failed stat()
  if (found && S_ISDIR(st.st_mode)) return folder;
  if (reason) {
    const std::string problem = found ? "is not a folder"
                                : error == ENOENT
                                    ? "does not exist"
                                    : std::string("cannot be used: ") + std::strerror(error);
    *reason = "the temporary folder " + folder + (configured ? " (TMPDIR) " : " ") + problem;
  }
  return std::nullopt;
}

FileDescriptor CreateNewFile(const std::string& path, FileReaders readers) {
  return FileDescriptor(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, ModeFor(readers)));
}

std::optional<std::string> WriteUniqueFile(const std::string& folder, const std::string& prefix,
                                           const std::string& suffix,
                                           std::span<const std::uint8_t> bytes,
                                           std::string* reason) {
  std::string path = folder + (folder.ends_with('/') ? "" : "/") + prefix + "XXXXXX" + suffix;
  FileDescriptor fd(::mkostemps(path.data(), static_cast<int>(suffix.size()), O_CLOEXEC));
  const bool made = fd.Get() >= 0;
  if (made && WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close()) return path;
  if (reason) *reason = std::strerror(errno);
  if (made) ::unlink(path.c_str());
  return std::nullopt;
}

FileDescriptor OpenPrivateFolder(const std::string& path, std::string* reason) {
  const auto fail = [&](const std::string& why) {
    if (reason) *reason = path + ": " + why;
    return FileDescriptor();
  };
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return fail(std::strerror(errno));
  FileDescriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (folder.Get() < 0) {
    return fail(errno == ELOOP || errno == ENOTDIR ? "not a folder (a link or a file)"
                                                   : std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(folder.Get(), &st) != 0) return fail(std::strerror(errno));
  if (st.st_uid != ::geteuid()) return fail("the folder belongs to another user");
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return fail("others may write into the folder");
  return folder;
}

}  // namespace sk
