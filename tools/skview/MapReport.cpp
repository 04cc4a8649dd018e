#include "tools/skview/MapReport.h"

#include <optional>

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/MapFormat.h"
#include "common/MapWarnings.h"
#include "common/PathSpeed.h"
#include "common/Printable.h"
#include "game/maps/PathTable.h"
#include "game/maps/SKMap.h"
#include "game/render/Bmp.h"

namespace sk {
namespace {

std::string SizeText(const TPicture& picture) {
  return std::to_string(picture.Width) + " x " + std::to_string(picture.Height);
}

void PrintPaths(const TMapFileInfo& info, std::FILE* out) {
  std::fprintf(out, "Final waypoint: (%d, %d)\n", info.Content.FinalX, info.Content.FinalY);
  std::fprintf(out, "Paths: %zu\n", info.Content.Paths.size());
  for (std::size_t p = 0; p < info.Content.Paths.size(); ++p) {
    const auto& path = info.Content.Paths[p];
    std::fprintf(out, "  Path %zu: %zu waypoints, %llu table entries, %s\n", p + 1, path.size(),
                 static_cast<unsigned long long>(PathTableLength(path)),
                 DescribePathSpeed(path, info.Content.FinalX, info.Content.FinalY).c_str());
  }
}

// The mask picture's own size, which the scenery layer no longer shows.
std::string MaskSizeText(std::span<const std::uint8_t> bytes, const TMapFileInfo& info) {
  const auto data = MapMaskData(bytes, info);
  if (!data || data->empty()) return "not in the file";
  try {
    return SizeText(DecodeBmp(*data));
  } catch (const Error&) {
    return "not a valid BMP";
  }
}

void PrintPictures(std::span<const std::uint8_t> bytes, const TMapFileInfo& info,
                   const TImageList& images, MapLoadResult result, std::FILE* out) {
  const TPicture& background = FindImage(images, kMapBackgroundImage).Picture;
  std::fprintf(out, "Background: %d bytes", info.BackgroundSize);
  if (!background.Empty()) std::fprintf(out, ", %s", SizeText(background).c_str());
  std::fputc('\n', out);
  if (info.MaskSize == 0) {
    std::fputs("Mask: none\n", out);
  } else if (result == MapLoadResult::Loaded || result == MapLoadResult::BadMask ||
             result == MapLoadResult::BadMaskPlace) {
    std::fprintf(out, "Mask: %s\n", MaskSizeText(bytes, info).c_str());
  } else {
    std::fputs("Mask: yes\n", out);
  }
}

// What SKMAP said when it built the map, from the pictures in the file: a picture missing
// from the file is the verdict's business.
void PrintWarnings(std::span<const std::uint8_t> bytes, const TMapFileInfo& info, std::FILE* out) {
  std::vector<std::string> warnings;
  if (const auto background = MapBackgroundData(bytes, info)) {
    std::optional<TMapPicture> mask;
    if (const auto data = MapMaskData(bytes, info); data && !data->empty()) {
      mask = TMapPicture{"", *data};
    }
    warnings = FindMapWarnings(info.Content, TMapPicture{"", *background}, mask);
  }
  for (const std::string& warning : warnings) {
    std::fprintf(out, "WARNING: %s\n", warning.c_str());
  }
  // The speeds the map editor flags, judged the same way.
  for (const std::string& warning : FindSpeedWarnings(info.Content)) {
    std::fprintf(out, "WARNING: %s\n", warning.c_str());
  }
}

}  // namespace

int PrintMapReport(const std::string& file_name, std::span<const std::uint8_t> bytes,
                   std::FILE* out) {
  TMapState map;
  TImageList images;
  AddMapImages(images);
  const MapLoadResult result = LoadMapFromBytes(map, images, bytes, [](std::size_t) {});
  const std::optional<TMapFileInfo> info = ReadMapFile(bytes);
  if (!info) throw Error(file_name + ": " + DescribeMapLoadResult(result));

  std::fprintf(out, "File: %s (%zu bytes)\n", PrintableText(file_name).c_str(), bytes.size());
  // Maps come from strangers: a name's control bytes are shown, never sent to the terminal.
  std::fprintf(out, "Name: %s\n", PrintableText(Cp1252ToUtf8(info->Content.Name)).c_str());
  PrintPaths(*info, out);
  PrintPictures(bytes, *info, images, result, out);
  if (result == MapLoadResult::Loaded) {
    std::fputs("The game accepts this map.\n", out);
  } else {
    std::fprintf(out, "The game refuses this map: %s.\n", DescribeMapLoadResult(result));
  }
  PrintWarnings(bytes, *info, out);
  return result == MapLoadResult::Loaded ? 0 : 1;
}

}  // namespace sk
