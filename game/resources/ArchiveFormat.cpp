#include "game/resources/ArchiveFormat.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

namespace sk {

std::vector<TFileEntry> ReadArchiveDirectory(std::span<const std::uint8_t> block,
                                             std::int64_t data_offset) {
  ByteReader reader(block);
  const std::uint16_t count = reader.U16();
  std::vector<TFileEntry> entries;
  entries.reserve(count);  // at most 65535: safe to reserve before the entries are checked
  std::int64_t offset = data_offset;
  for (std::uint16_t i = 0; i < count; ++i) {
    TFileEntry entry;
    entry.size = reader.U32();
    entry.name = reader.ShortString();
    entry.offset = offset;
    offset += entry.size;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::uint8_t> BuildArchive(std::span<const ArchiveMember> members) {
  ByteWriter directory;
  directory.U16(static_cast<std::uint16_t>(members.size()));
  for (const ArchiveMember& m : members) {
    directory.U32(static_cast<std::uint32_t>(m.bytes.size()));
    directory.ShortString(m.name);
  }
  ByteWriter archive;
  archive.Text(kArchiveMagic);
  archive.U32(static_cast<std::uint32_t>(directory.Data().size()));
  archive.Bytes(directory.Data());
  for (const ArchiveMember& m : members) archive.Bytes(m.bytes);
  return archive.Take();
}

}  // namespace sk
