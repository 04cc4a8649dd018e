// Feeds arbitrary bytes to the archive reader as Skarveth.dat and loads every member it lists.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "common/Error.h"
#include "game/resources/SKData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string dir = [] {
    char pattern[] = "/tmp/skfuzz.XXXXXX";
    return std::string(::mkdtemp(pattern)) + "/";
  }();
  FILE* f = std::fopen((dir + "Skarveth.dat").c_str(), "wb");
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  sk::SKData archive;
  try {
    if (!archive.OpenArchive(dir + "Skarveth.dat", dir + "Data/")) return 0;
    sk::TMemoryStream stream;
    for (const auto& entry : archive.ArchiveDir()) archive.LoadMember(entry.name, stream);
  } catch (const sk::Error&) {
  }
  return 0;
}
