#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sk {

// What reading the start of a file found.
enum class FileHeadStatus {
  Read,        // the bytes are in `bytes` (fewer than asked when the file is shorter)
  Missing,     // nothing stands at the path
  Unreadable,  // something is there, but it is not a regular file or reading it failed
};

struct TFileHead {
  FileHeadStatus Status = FileHeadStatus::Missing;
  std::vector<std::uint8_t> Bytes;
};

// At most `max_bytes` from the start of a regular file. The map list and the score tables
// use it so that a huge or endless file never costs more than the few bytes they look at.
TFileHead ReadFileHead(const std::string& path, std::size_t max_bytes);

}  // namespace sk
