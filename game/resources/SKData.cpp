#include "game/resources/SKData.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "common/ByteReader.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FileIo.h"

namespace sk {
namespace {

bool ReadExactly(int fd, std::int64_t offset, std::uint8_t* out, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd, out + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The name of a regular file in `folder` that matches `name` without regard to case; when
// several do, the one first in byte order, so the choice never depends on the listing order.
std::optional<std::string> FindFileNoCase(const std::string& folder, std::string_view name) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* e = ::readdir(dir)) {
    const std::string candidate = e->d_name;
    if (!SameText(candidate, name) || GetFileKind(folder + candidate) != FileKind::Regular)
      continue;
    if (!best || candidate < *best) best = candidate;
  }
  ::closedir(dir);
  return best;
}

}  // namespace

bool SKData::OpenArchive(const std::string& archive_file, const std::string& override_folder) {
  CloseArchive();
  override_folder_ = override_folder;
  const int fd = ::open(archive_file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  std::uint8_t header[kArchiveHeaderSize];
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (!regular || !ReadExactly(fd, 0, header, kArchiveMagic.size()) ||
      !std::equal(kArchiveMagic.begin(), kArchiveMagic.end(), header)) {
    ::close(fd);
    return false;
  }
  archive_file_ = fd;
  archive_size_ = st.st_size;
  // From here on a short file is damage, not a file of another kind.
  if (!ReadExactly(fd, kArchiveMagic.size(), header + kArchiveMagic.size(), 4)) {
    CloseArchive();
    throw Error(kStreamReadError);
  }
  const std::uint32_t length = ByteReader(std::span(header + kArchiveMagic.size(), 4)).U32();
  if (length > archive_size_ - static_cast<std::int64_t>(kArchiveHeaderSize)) {
    CloseArchive();
    throw Error(kStreamReadError);
  }
  // The entries never need more than the longest directory; surplus bytes are never read.
  std::vector<std::uint8_t> block(std::min<std::uint32_t>(length, kMaxArchiveDirectorySize));
  try {
    if (!ReadExactly(fd, kArchiveHeaderSize, block.data(), block.size())) throw Error(kStreamReadError);
    archive_dir_ = ReadArchiveDirectory(block, kArchiveHeaderSize + length);
  } catch (...) {
    CloseArchive();
    throw;
  }
  return true;
}

void SKData::CloseArchive() {
  archive_dir_.clear();
  if (archive_file_ >= 0) ::close(archive_file_);
  archive_file_ = -1;
  archive_size_ = 0;
}

int SKData::FindMember(std::string_view name) const {
  int found = -1;
  for (std::size_t i = 0; i < archive_dir_.size(); ++i)
    if (SameText(archive_dir_[i].name, name)) found = static_cast<int>(i);
  return found;
}

void SKData::LoadMember(std::string_view name, TMemoryStream& stream) const {
  stream.Clear();
  if (LoadOverride(name, stream)) return;
  const int index = FindMember(name);
  if (index >= 0 && archive_file_ >= 0) ReadArchiveBytes(archive_dir_[index], stream);
}

bool SKData::LoadOverride(std::string_view name, TMemoryStream& stream) const {
  const std::string& folder = override_folder_;
  std::string path = folder + std::string(name);
  const FileKind kind = GetFileKind(path);
  if (kind == FileKind::Other) return false;  // a folder, pipe or device is never data
  if (kind == FileKind::Missing) {
    const auto match = FindFileNoCase(folder, name);
    if (!match) return false;
    path = folder + *match;
  }
  auto bytes = ReadFileBytes(path, kMaxMemberSize);
  if (!bytes) throw Error("Cannot open file " + path);
  stream.bytes = std::move(*bytes);
  stream.position = 0;
  return true;
}

void SKData::ReadArchiveBytes(const TFileEntry& entry, TMemoryStream& stream) const {
  // Check against the file before allocating: a lying size must not cost memory.
  if (entry.offset + static_cast<std::int64_t>(entry.size) > archive_size_ ||
      entry.size > kMaxMemberSize)
    throw Error(kStreamReadError);
  stream.bytes.resize(entry.size);
  if (!ReadExactly(archive_file_, entry.offset, stream.bytes.data(), entry.size)) {
    stream.Clear();
    throw Error(kStreamReadError);
  }
  stream.position = 0;
}

}  // namespace sk
