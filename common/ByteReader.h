#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace sk {

// Little-endian reader over bytes it does not own. Every read is bounds-checked; reading
// past the end throws sk::Error("Stream read error") and leaves the position unchanged.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  // `count` raw bytes as a view into the data.
  std::span<const std::uint8_t> Bytes(std::size_t count);
  // `count` bytes as an 8-bit string.
  std::string Text(std::size_t count);
  // One length byte, then that many 8-bit characters.
  std::string ShortString() { return Text(U8()); }
  void Skip(std::size_t count) { Bytes(count); }
  void Seek(std::size_t position);

  std::size_t Position() const { return pos_; }
  std::size_t Size() const { return data_.size(); }
  std::size_t Remaining() const { return data_.size() - pos_; }

 private:
  void Need(std::size_t count) const;
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

}  // namespace sk
