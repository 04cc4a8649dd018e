// SKVIEW: shows a map file the way the game loads it.
//   SKVIEW <map>                    name, waypoints, table lengths, pictures, accepted or why not
//   SKVIEW --points <map>           every path's per-tick points: "path index x y"
//   SKVIEW --png <out.png> <map>    a preview: background, tinted scenery, paths, final waypoint
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "common/Printable.h"
#include "common/ProgramName.h"
#include "game/maps/SKMap.h"
#include "tools/skview/MapPicture.h"
#include "tools/skview/MapPoints.h"
#include "tools/skview/MapReport.h"
#include "tools/skview/PngFile.h"

namespace {

std::string Usage() {
  const std::string self = sk::CommandName("SKVIEW");
  return "Usage: " + self + " <map>\n       " + self + " --points <map>\n       " + self +
         " --png <out.png> <map>\n";
}

std::vector<std::uint8_t> ReadMapBytes(const std::string& file_name) {
  auto bytes = sk::ReadMapFileBytes(file_name);
  if (!bytes) throw sk::Error(file_name + ": cannot read the file");
  return std::move(*bytes);
}

int WritePreview(const std::string& png_name, const std::string& file_name) {
  const std::vector<std::uint8_t> bytes = ReadMapBytes(file_name);
  sk::TMapState map;
  sk::TImageList images;
  sk::AddMapImages(images);
  const sk::MapLoadResult result = sk::LoadMapFromBytes(map, images, bytes, [](std::size_t) {});
  if (result != sk::MapLoadResult::Loaded) {
    throw sk::Error(file_name +
                    ": the game refuses this map: " + sk::DescribeMapLoadResult(result));
  }
  const auto info = sk::ReadMapFile(bytes);
  const auto png = sk::EncodePng(sk::RenderMapPicture(map, images, info->Content));
  if (!png || !sk::ReplaceFileAtomically(png_name, *png)) {
    throw sk::Error(png_name + ": cannot write the picture");
  }
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 1 && !args[0].starts_with("--")) {
    return sk::PrintMapReport(args[0], ReadMapBytes(args[0]), stdout);
  }
  if (args.size() == 2 && args[0] == "--points") {
    sk::PrintMapPoints(args[1], ReadMapBytes(args[1]), stdout);
    return 0;
  }
  if (args.size() == 3 && args[0] == "--png") return WritePreview(args[1], args[2]);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  const std::string self = sk::CommandName("SKVIEW");
  throw sk::Error("usage: " + self + " <map> | " + self + " --points <map> | " + self +
                  " --png <out.png> <map>");
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const int status = Run(std::vector<std::string>(argv + 1, argv + argc));
    if (std::fflush(stdout) != 0) throw sk::Error("cannot write the output");
    return status;
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", sk::CommandName("SKVIEW").c_str(),
                 sk::PrintableText(e.what()).c_str());
    return 1;
  }
}
