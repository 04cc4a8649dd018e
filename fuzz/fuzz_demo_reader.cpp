// Feeds arbitrary text to the demo reader: it must refuse or accept, never crash, and what it
// accepts must read back the same after writing it out again and keep within the limits a
// recording is held to (only files a game folder holds, nothing outside it).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/demo/DemoFormat.h"
#include "game/demo/DemoLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const sk::TDemoReadResult read = sk::ParseDemoText(text);
  if (!read.Demo) return 0;
  if (sk::DemoHeadProblem(*read.Demo)) std::abort();
  const sk::TDemoReadResult again = sk::ParseDemoText(sk::FormatDemo(*read.Demo));
  if (!again.Demo || !(*again.Demo == *read.Demo)) std::abort();
  return 0;
}
