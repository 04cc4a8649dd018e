#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sk {

// A growable byte buffer with a read position: how archive members travel to their readers.
struct TMemoryStream {
  std::vector<std::uint8_t> bytes;
  std::size_t position = 0;

  void Clear() {
    bytes.clear();
    position = 0;
  }
  std::size_t Size() const { return bytes.size(); }
  std::span<const std::uint8_t> View() const { return bytes; }
};

}  // namespace sk
