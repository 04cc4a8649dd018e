#include "common/ByteWriter.h"

#include <stdexcept>

namespace sk {

void ByteWriter::U16(std::uint16_t v) {
  data_.push_back(static_cast<std::uint8_t>(v));
  data_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::U32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) data_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
  data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Text(std::string_view text) { data_.insert(data_.end(), text.begin(), text.end()); }

void ByteWriter::ShortString(std::string_view text) {
  if (text.size() > 255) throw std::length_error("text longer than 255 characters");
  U8(static_cast<std::uint8_t>(text.size()));
  Text(text);
}

}  // namespace sk
