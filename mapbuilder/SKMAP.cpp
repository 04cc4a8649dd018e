// SKMAP: turns a map description (an INI file) into a map file the game can list and play.
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/MapFormat.h"
#include "mapbuilder/MapDescription.h"
#include "mapbuilder/MapWarnings.h"

namespace sk {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PrintLine(const std::string& text) { std::cout << text << '\n'; }

void PrintBanner() {
  PrintLine("");
  PrintLine("SKARVETH MAP BUILDER v1.2b");
  PrintLine("");
  PrintLine("SKMAP builds map files for Codename: Skarveth.");
  PrintLine("Made by Vosk Game Works: code, pictures, sounds and maps.");
  PrintLine("More maps and news: https://vosk.example/skarveth");
  PrintLine("");
}

std::string ExpandFileName(const std::string& name) {
  if (name.empty()) return name;
  std::error_code error;
  const auto full = std::filesystem::absolute(name, error);
  return error ? name : full.string();
}

// The standard-error line for a file that cannot be read: the full path and the reason.
std::string UnreadableDetail(const std::string& path) {
  const std::string problem = OpenProblem(path);
  return ExpandFileName(path) + ": " + (problem.empty() ? "the file cannot be read" : problem);
}

// The whole picture file. Its size must fit the map's signed 32-bit field.
Bytes ReadPicture(const std::string& path, const char* cannot_open, const char* too_large) {
  const std::string file = NormalizeSeparators(path);
  if (auto bytes = ReadFileBytes(file, kMaxMapPictureSize)) return std::move(*bytes);
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (!error && size > kMaxMapPictureSize) throw BuildFailure(too_large);
  throw BuildFailure(cannot_open, UnreadableDetail(file));
}

// After the summary, on standard error, so the printed lines stay the same for scripts.
void PrintWarnings(const std::vector<std::string>& warnings, const std::string& map_file) {
  if (warnings.empty()) return;
  std::cout.flush();
  for (const std::string& warning : warnings) std::cerr << "WARNING: " << warning << '\n';
  std::cerr << "WARNING: the game may refuse or misdraw this map; see how it loads with: SKVIEW "
            << map_file << '\n';
}

void PrintSummary(const TMapDescription& d, std::size_t file_size) {
  PrintLine("MAP INFORMATION:");
  PrintLine("");
  PrintLine(" - Name      : " + d.Content.Name);
  PrintLine(" - Filename  : " + NameOf(d.MapFileName));
  PrintLine(" - File size : " + std::to_string(file_size) + " bytes");
  PrintLine(" - Paths     : " + std::to_string(d.Content.Paths.size()));
  PrintLine(" - Waypoints : " + std::to_string(d.WaypointCount));
  PrintLine(std::string(" - Mask      : ") + (d.MaskBMP.empty() ? "No" : "Yes"));
}

void BuildMap(const std::vector<std::string>& args) {
  if (args.size() != 1) throw BuildFailure("Usage: SKMAP <Skarveth map ini file>");
  const std::string ini_path = ExpandFileName(args[0]);
  if (GetFileKind(ini_path) != FileKind::Regular)
    throw BuildFailure("Ini file not found.", UnreadableDetail(ini_path));
  const TMapDescription d = ReadMapDescription(IniFile::Load(ini_path));

  const Bytes background = ReadPicture(d.BackgroundJPEG, "Cannot open JPEG background file.",
                                       "Background JPEG file is too large.");
  Bytes mask;
  if (!d.MaskBMP.empty())
    mask = ReadPicture(d.MaskBMP, "Cannot open BMP mask file.", "Mask BMP file is too large.");

  // Assembled whole and swapped in at once: a failed build never leaves a broken map behind.
  const auto map = AssembleMapFile(d.Content, background, mask);
  if (!map || !ReplaceFileAtomically(NormalizeSeparators(d.MapFileName), *map))
    throw BuildFailure("Cannot create output file.");

  PrintSummary(d, map->size());
  PrintLine("");
  PrintLine("SUCCESS: Map file was built successfully.");
  PrintWarnings(FindMapWarnings(d, background, mask), NormalizeSeparators(d.MapFileName));
}

}  // namespace
}  // namespace sk

int main(int argc, char** argv) {
  sk::PrintBanner();
  int status = 0;
  try {
    sk::BuildMap(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const sk::BuildFailure& failure) {
    sk::PrintLine(std::string("ERROR: ") + failure.what());
    std::cout.flush();
    if (!failure.Detail().empty()) std::cerr << "SKMAP: " << failure.Detail() << '\n';
    status = 1;
  } catch (const std::bad_alloc&) {
    sk::PrintLine("ERROR: Out of memory.");
    status = 1;
  }
  std::cout.flush();
  return status;
}
