// Reads arbitrary bytes as the text of Models.def.
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/Error.h"
#include "game/play/ModelDefinitions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    (void)sk::LoadModelDefinitions(std::span(data, size));
  } catch (const sk::Error&) {
  }
  return 0;
}
