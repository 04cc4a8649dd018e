#include "mapbuilder/BuildMap.h"

#include <filesystem>

#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "common/Printable.h"
#include "mapbuilder/MapTarget.h"

namespace sk {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The whole picture file. Its size must fit the map's signed 32-bit field.
Bytes ReadPicture(const std::string& path, const char* cannot_open, const char* too_large) {
  const std::string file = NormalizeSeparators(path);
  if (auto bytes = ReadFileBytes(file, kMaxMapPictureSize)) return std::move(*bytes);
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (!error && size > kMaxMapPictureSize) throw BuildFailure(too_large);
  throw BuildFailure(cannot_open, UnreadableDetail(file));
}

}  // namespace

std::string UnreadableDetail(const std::string& path) {
  const std::string problem = OpenProblem(path);
  return PrintableText(ExpandFileName(path)) + ": " +
         (problem.empty() ? "the file cannot be read" : problem);
}

std::string ExpandFileName(const std::string& name) {
  if (name.empty()) return name;
  std::error_code error;
  const auto full = std::filesystem::absolute(name, error);
  return error ? name : full.string();
}

TBuiltMap AssembleDescribedMap(const TMapDescription& d) {
  TBuiltMap built;
  built.Background = ReadPicture(d.BackgroundJPEG, "Cannot open JPEG background file.",
                                 "Background JPEG file is too large.");
  if (!d.MaskBMP.empty())
    built.Mask =
        ReadPicture(d.MaskBMP, "Cannot open BMP mask file.", "Mask BMP file is too large.");
  auto file = AssembleMapFile(d.Content, built.Background, built.Mask);
  if (!file) throw BuildFailure("Cannot create output file.");
  built.File = std::move(*file);
  return built;
}

void WriteDescribedMap(const TMapDescription& d, const TBuiltMap& map) {
  const std::string map_file = NormalizeSeparators(d.MapFileName);
  // A description naming the wrong file must never cost the author that file.
  if (const std::string problem = MapTargetProblem(map_file); !problem.empty()) {
    throw BuildFailure("Output file exists and is not a map file.",
                       PrintableText(ExpandFileName(map_file)) + ": " + problem);
  }
  std::string reason;
  if (!ReplaceFileAtomically(map_file, map.File, &reason)) {
    throw BuildFailure("Cannot create output file.",
                       PrintableText(ExpandFileName(map_file)) + ": " + reason);
  }
}

}  // namespace sk
