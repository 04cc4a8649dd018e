#include "common/ByteReader.h"

#include "common/Error.h"

namespace sk {

void ByteReader::Need(std::size_t count) const {
  if (count > data_.size() - pos_) throw Error(kStreamReadError);
}

std::uint8_t ByteReader::U8() {
  Need(1);
  return data_[pos_++];
}

std::uint16_t ByteReader::U16() {
  Need(2);
  const std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::uint32_t ByteReader::U32() {
  Need(4);
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + i];
  pos_ += 4;
  return v;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
  Need(count);
  auto out = data_.subspan(pos_, count);
  pos_ += count;
  return out;
}

std::string ByteReader::Text(std::size_t count) {
  auto bytes = Bytes(count);
  return std::string(bytes.begin(), bytes.end());
}

void ByteReader::Seek(std::size_t position) {
  if (position > data_.size()) throw Error(kStreamReadError);
  pos_ = position;
}

}  // namespace sk
