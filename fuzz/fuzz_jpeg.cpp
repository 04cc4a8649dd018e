// Decodes arbitrary bytes as a JPEG picture.
#include <cstddef>
#include <cstdint>
#include <span>

#include "game/maps/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)sk::DecodeJpeg(std::span(data, size));
  return 0;
}
