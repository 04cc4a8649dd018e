#include "game/demo/FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "common/Error.h"
#include "common/FileDescriptor.h"
#include "common/Sha256.h"

namespace sk {
namespace {

constexpr std::size_t kPiece = 1u << 20;

FileDescriptor OpenRegular(const std::string& path, std::uint64_t& size) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st {};
  if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  size = static_cast<std::uint64_t>(st.st_size);
  return fd;
}

void WriteAll(int fd, const std::uint8_t* data, std::size_t count, const std::string& path) {
  while (count > 0) {
    const ssize_t n = ::write(fd, data, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw Error("Cannot write " + path + ": " + std::strerror(errno));
    data += n;
    count -= static_cast<std::size_t>(n);
  }
}

// Hashes the first `cap` bytes of `in` (size `size`), handing each piece to `out` when given.
// False when reading failed or the file changed length under us.
bool HashPieces(int in, std::uint64_t size, std::uint64_t cap, const StopCheck& stop,
                std::string& sha,
                const std::function<void(const std::uint8_t*, std::size_t)>& out) {
  Sha256 hash;
  std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, size)));
  std::uint64_t left = std::min(size, cap);
  while (left > 0) {
    if (stop && stop()) throw StopRequested{};
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
    const ssize_t n = ::read(in, piece.data(), want);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    hash.Update(std::span(piece.data(), static_cast<std::size_t>(n)));
    if (out) out(piece.data(), static_cast<std::size_t>(n));
    left -= static_cast<std::uint64_t>(n);
  }
  sha = HexDigits(hash.Finish());
  return true;
}

}  // namespace

std::optional<TFileIdentity> IdentifyFile(const std::string& path, std::uint64_t cap,
                                          const StopCheck& stop) {
  TFileIdentity id;
  const FileDescriptor in = OpenRegular(path, id.Size);
  if (in.Get() < 0 || !HashPieces(in.Get(), id.Size, cap, stop, id.Sha256, {})) return std::nullopt;
  return id;
}

TCopyResult CopyCheckedFile(const std::string& from, const TFileIdentity& recorded,
                            std::uint64_t cap, const std::string& to, TFileIdentity& found,
                            const StopCheck& stop) {
  found = {};
  const FileDescriptor in = OpenRegular(from, found.Size);
  if (in.Get() < 0) return TCopyResult::Unreadable;
  if (found.Size != recorded.Size) return TCopyResult::Differs;
  const FileDescriptor out(
      ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (out.Get() < 0) throw Error("Cannot write " + to + ": " + std::strerror(errno));
  const auto write = [&](const std::uint8_t* data, std::size_t count) {
    WriteAll(out.Get(), data, count, to);
  };
  if (!HashPieces(in.Get(), found.Size, cap, stop, found.Sha256, write))
    return TCopyResult::Unreadable;
  // The part the game never reads stays a hole: no disk, no time.
  if (found.Size > cap && ::ftruncate(out.Get(), static_cast<off_t>(found.Size)) != 0)
    throw Error("Cannot write " + to + ": " + std::strerror(errno));
  return found == recorded ? TCopyResult::Copied : TCopyResult::Differs;
}

}  // namespace sk
