#include "tools/skpack/Packer.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <stdexcept>

#include "common/ByteReader.h"
#include "common/Cp1252.h"
#include "common/FileIo.h"
#include "common/Printable.h"
#include "common/ProgramName.h"
#include "game/resources/ArchiveFormat.h"

namespace sk {
namespace {

constexpr std::size_t kMaxMembers = 65535;

std::vector<std::string> FilesOfFolder(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) throw std::runtime_error("cannot read folder " + folder);
  // readdir ends the listing with null both at the end and on an error: only errno tells, and
  // a folder half listed must not become a short archive reported as packed.
  errno = 0;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (GetFileKind(folder + "/" + name) == FileKind::Regular) names.push_back(name);
    errno = 0;
  }
  const int listing_error = errno;
  ::closedir(dir);
  if (listing_error != 0)
    throw std::runtime_error("cannot read folder " + folder + ": " + std::strerror(listing_error));
  std::sort(names.begin(), names.end());
  for (auto& n : names) n = folder + "/" + n;
  return names;
}

std::vector<std::string> ExpandInputs(const std::vector<std::string>& inputs) {
  std::vector<std::string> files;
  for (const std::string& input : inputs) {
    const FileKind kind = GetFileKind(input);
    if (kind == FileKind::Missing) throw std::runtime_error("no such file or folder: " + input);
    if (kind == FileKind::Regular) {
      files.push_back(input);
      continue;
    }
    const auto inside = FilesOfFolder(input);
    files.insert(files.end(), inside.begin(), inside.end());
  }
  return files;
}

// Reads every file and checks the limits the archive format sets before anything is written.
std::vector<ArchiveMember> ReadMembers(const std::vector<std::string>& files) {
  if (files.size() > kMaxMembers)
    throw std::runtime_error("too many members (" + std::to_string(files.size()) +
                             "; at most 65535)");
  std::vector<ArchiveMember> members;
  std::uint64_t total = kArchiveHeaderSize + 2;
  for (const std::string& path : files) {
    ArchiveMember m{NameOf(path), {}};
    if (m.name.size() > 255)
      throw std::runtime_error("member name longer than 255 bytes: " + m.name);
    auto bytes = ReadFileBytes(path, kArchiveSizeLimit);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    total += 5 + m.name.size() + bytes->size();
    if (total >= kArchiveSizeLimit) throw std::runtime_error("the archive would reach 2 GiB");
    m.bytes = std::move(*bytes);
    members.push_back(std::move(m));
  }
  return members;
}

void WarnAboutDuplicates(const std::vector<ArchiveMember>& members) {
  for (std::size_t i = 0; i < members.size(); ++i)
    for (std::size_t j = i + 1; j < members.size(); ++j)
      if (SameText(members[i].name, members[j].name))
        std::fprintf(stderr, "%s: warning: %s is packed twice; the game reads the later one\n",
                     CommandName("SKPACK").c_str(), PrintableText(members[j].name).c_str());
}

}  // namespace

int PackArchive(const std::string& archive, const std::vector<std::string>& inputs) {
  const auto members = ReadMembers(ExpandInputs(inputs));
  WarnAboutDuplicates(members);
  const auto bytes = BuildArchive(members);
  if (!ReplaceFileAtomically(archive, bytes)) throw std::runtime_error("cannot write " + archive);
  std::printf("%s: %zu members, %zu bytes\n", PrintableText(archive).c_str(), members.size(),
              bytes.size());
  return 0;
}

int ListArchive(const std::string& archive) {
  const auto bytes = ReadFileBytes(archive, kArchiveSizeLimit);
  if (!bytes) throw std::runtime_error("cannot read " + archive);
  ByteReader reader(*bytes);
  if (bytes->size() < kArchiveMagic.size() || reader.Text(kArchiveMagic.size()) != kArchiveMagic)
    throw std::runtime_error(archive + " is not a Skarveth data archive");
  const std::uint32_t length = reader.U32();
  const auto entries = ReadArchiveDirectory(reader.Bytes(length), kArchiveHeaderSize + length);
  std::uint64_t total = 0;
  for (const TFileEntry& e : entries) {
    const bool intact =
        e.offset + static_cast<std::int64_t>(e.size) <= static_cast<std::int64_t>(bytes->size());
    std::printf("%10u  %s%s\n", e.size, PrintableText(e.name).c_str(), intact ? "" : "  (cut off)");
    total += e.size;
  }
  std::printf("%zu members, %llu bytes\n", entries.size(), static_cast<unsigned long long>(total));
  return 0;
}

}  // namespace sk
