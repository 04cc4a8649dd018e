// Feeds arbitrary bytes through every map reader: none may read outside the input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/MapFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)sk::ReadMapHeaderName(bytes);
  if (const auto info = sk::ReadMapFile(bytes)) {
    (void)sk::MapBackgroundData(bytes, *info);
    (void)sk::MapMaskData(bytes, *info);
  }
  return 0;
}
