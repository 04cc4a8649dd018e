// Reads arbitrary bytes as an SKMAP map description.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/IniFile.h"
#include "mapbuilder/MapDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    (void)sk::ReadMapDescription(sk::IniFile::Parse(text));
  } catch (const sk::BuildFailure&) {
  }
  return 0;
}
