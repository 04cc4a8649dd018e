#include "common/WriteInPlace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/FileDescriptor.h"
#include "common/FileIo.h"

namespace sk {
namespace {

// Makes sure the disk holds room for `size` bytes before a byte of the old content is touched.
int Reserve(int fd, off_t size) {
  if (size == 0) return 0;
  int error = 0;
  do {
    error = ::posix_fallocate(fd, 0, size);
  } while (error == EINTR);
  return error;
}

bool Fail(std::string* reason, std::string why) {
  if (reason) *reason = std::move(why);
  return false;
}

}  // namespace

bool WriteInPlace(const TWriteTarget& target, std::span<const std::uint8_t> bytes,
                  std::string* reason) {
  if (std::string limit = FileSizeLimitProblem(bytes.size()); !limit.empty())
    return Fail(reason, std::move(limit));
  // O_NONBLOCK: whatever was swapped in meanwhile, a pipe must not stall the save.
  FileDescriptor fd(::openat(target.Folder.Get(), target.Name.c_str(),
                             O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat st {};
  if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0) return Fail(reason, std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return Fail(reason, "not a regular file");
  // What we write never runs as anybody: setuid and setgid go (only its owner or root can take
  // them; for anyone else the system drops them itself on the first write).
  if ((st.st_mode & 07000) != 0) ::fchmod(fd.Get(), st.st_mode & 0777);
  const auto size = static_cast<off_t>(bytes.size());
  if (const int error = Reserve(fd.Get(), size); error != 0)
    return Fail(reason, std::strerror(error));
  bool ok = WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
  if (ok && st.st_size > size) ok = ::ftruncate(fd.Get(), size) == 0 && ::fsync(fd.Get()) == 0;
  ok = fd.Close() && ok;
  return ok || Fail(reason, std::strerror(errno));
}

}  // namespace sk
