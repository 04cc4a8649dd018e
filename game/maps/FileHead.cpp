#include "game/maps/FileHead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace sk {

TFileHead ReadFileHead(const std::string& path, std::size_t max_bytes) {
  TFileHead head;
  // O_NONBLOCK keeps a named pipe from stalling the open; it is refused below anyway.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    head.Status = errno == ENOENT ? FileHeadStatus::Missing : FileHeadStatus::Unreadable;
    return head;
  }
  head.Status = FileHeadStatus::Unreadable;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return head;
  }
  // Never more than the file holds: a generous limit must not cost memory for small files.
  const std::size_t want = static_cast<std::size_t>(
      std::min<std::uint64_t>(max_bytes, static_cast<std::uint64_t>(st.st_size)));
  head.Bytes.resize(want);
  std::size_t done = 0;
  while (done < want) {
    const ssize_t n = ::read(fd, head.Bytes.data() + done, want - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      head.Bytes.clear();
      return head;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  head.Bytes.resize(done);
  head.Status = FileHeadStatus::Read;
  return head;
}

}  // namespace sk
