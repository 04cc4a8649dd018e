#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace sk {

// Appends little-endian values to a byte buffer it owns.
class ByteWriter {
 public:
  void U8(std::uint8_t v) { data_.push_back(v); }
  void U16(std::uint16_t v);
  void U32(std::uint32_t v);
  void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bytes(std::span<const std::uint8_t> bytes);
  void Text(std::string_view text);
  // One length byte and the text; the caller keeps texts at 255 characters or fewer.
  void ShortString(std::string_view text);

  const std::vector<std::uint8_t>& Data() const { return data_; }
  std::vector<std::uint8_t> Take() { return std::move(data_); }

 private:
  std::vector<std::uint8_t> data_;
};

}  // namespace sk
