// Decodes arbitrary bytes as a BMP picture.
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/Error.h"
#include "game/render/Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    (void)sk::DecodeBmp(std::span(data, size));
  } catch (const sk::Error&) {
  }
  return 0;
}
