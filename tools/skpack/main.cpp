// SKPACK: packs files into the game's data archive, or lists what an archive holds.
//   SKPACK <archive> <file-or-folder>...   folders contribute their regular files in name order
//   SKPACK --list <archive>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "common/Printable.h"
#include "common/ProgramName.h"
#include "tools/skpack/Packer.h"

namespace {

void PrintUsage() {
  const std::string self = sk::CommandName("SKPACK");
  std::printf("Usage: %s <archive> <file-or-folder>...\n", self.c_str());
  std::printf("       %s --list <archive>\n", self.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "--list") return sk::ListArchive(args[1]);
    if (args.size() >= 2 && args[0] != "--list") {
      return sk::PackArchive(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
    }
    PrintUsage();
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", sk::CommandName("SKPACK").c_str(),
                 sk::PrintableText(e.what()).c_str());
    return 1;
  }
}
