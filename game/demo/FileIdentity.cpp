#include "game/demo/FileIdentity.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "common/Error.h"
#include "common/FileIo.h"
#include "common/NewFiles.h"
#include "common/Sha256.h"

namespace sk {
namespace {

constexpr std::size_t kPiece = 1u << 20;

// Hashes the first `cap` bytes of `in` (size `size`), handing each piece to `out` when given.
// False when reading failed or the file changed length under us.
bool HashPieces(int in, std::uint64_t size, std::uint64_t cap, const StopCheck& stop,
                std::string& sha, const std::function<void(std::span<const std::uint8_t>)>& out) {
  Sha256 hash;
  std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, size)));
  std::uint64_t left = std::min(size, cap);
  while (left > 0) {
    if (stop && stop()) throw StopRequested{};
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
    const ssize_t n = ::read(in, piece.data(), want);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    const std::span<const std::uint8_t> read(piece.data(), static_cast<std::size_t>(n));
    hash.Update(read);
    if (out) out(read);
    left -= static_cast<std::uint64_t>(n);
  }
  sha = HexDigits(hash.Finish());
  return true;
}

}  // namespace

TFileIdentity IdentifyBytes(std::span<const std::uint8_t> bytes) {
  return TFileIdentity{bytes.size(), Sha256Hex(bytes)};
}

std::optional<TFileIdentity> IdentifyFile(const std::string& path, std::uint64_t cap,
                                          const StopCheck& stop) {
  TFileIdentity id;
  const FileDescriptor in = OpenRegularFile(path, id.Size);
  if (in.Get() < 0 || !HashPieces(in.Get(), id.Size, cap, stop, id.Sha256, {})) return std::nullopt;
  return id;
}

TCopyResult CopyCheckedFile(const std::string& from, const TFileIdentity& recorded,
                            std::uint64_t cap, const std::string& to, TFileIdentity& found,
                            const StopCheck& stop) {
  found = {};
  const FileDescriptor in = OpenRegularFile(from, found.Size);
  if (in.Get() < 0) return TCopyResult::Unreadable;
  if (found.Size != recorded.Size) return TCopyResult::Differs;
  const auto fail = [&] { throw Error("Cannot write " + to + ": " + std::strerror(errno)); };
  const FileDescriptor out = CreateNewFile(to);
  if (out.Get() < 0) fail();
  const auto write = [&](std::span<const std::uint8_t> piece) {
    if (!WriteAll(out.Get(), piece)) fail();
  };
  if (!HashPieces(in.Get(), found.Size, cap, stop, found.Sha256, write))
    return TCopyResult::Unreadable;
  // The part the game never reads stays a hole: no disk, no time.
  if (found.Size > cap) {
    // Past the file-size limit, ftruncate() would raise SIGXFSZ, which ends the program.
    const bool allowed = FileSizeLimitProblem(found.Size).empty();
    if (!allowed) errno = EFBIG;
    if (!allowed || ::ftruncate(out.Get(), static_cast<off_t>(found.Size)) != 0) fail();
  }
  return found == recorded ? TCopyResult::Copied : TCopyResult::Differs;
}

}  // namespace sk
