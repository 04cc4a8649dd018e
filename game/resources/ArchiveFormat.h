#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sk {

// Skarveth.dat: the 14-byte magic, a 4-byte directory length D, a directory block of D bytes
// (a 2-byte entry count, then per entry a 4-byte size, a length byte and the name), then the
// members' bytes back to back in directory order. Little-endian throughout.
inline constexpr std::string_view kArchiveMagic{"SKARVETH_DATA\x01", 14};
inline constexpr std::size_t kArchiveHeaderSize = 18;  // magic + directory length
inline constexpr std::uint64_t kArchiveSizeLimit = 0x80000000ull;  // offsets are signed 32-bit
// The longest directory block the entries can fill: 65535 entries with 255-byte names.
inline constexpr std::uint32_t kMaxArchiveDirectorySize = 2 + 65535u * (5 + 255);
// The largest member (or Data/ override) the game loads: far above any picture, sound or song
// it ships, and low enough that no member can make the game's memory balloon.
inline constexpr std::uint32_t kMaxMemberSize = 64u << 20;

struct TFileEntry {
  std::string name;
  std::int64_t offset = 0;  // absolute offset of the first byte in the archive file
  std::uint32_t size = 0;
};

// Reads the entries of a directory block whose data start at `data_offset` (18 + D).
// Surplus bytes after the last entry are ignored; a block too short for its entries throws
// "Stream read error".
std::vector<TFileEntry> ReadArchiveDirectory(std::span<const std::uint8_t> block,
                                             std::int64_t data_offset);

struct ArchiveMember {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// A complete archive holding `members` in order. The caller keeps names at 255 bytes or
// fewer, at most 65535 members and the whole below 2 GiB.
std::vector<std::uint8_t> BuildArchive(std::span<const ArchiveMember> members);

}  // namespace sk
