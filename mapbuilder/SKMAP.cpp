// SKMAP: turns a map description (an INI file) into a map file the game can list and play.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/MapFormat.h"
#include "common/Version.h"
#include "mapbuilder/BuildMap.h"
#include "mapbuilder/MapDescription.h"
#include "mapbuilder/MapWarnings.h"

namespace sk {
namespace {

void PrintLine(const std::string& text) { std::cout << text << '\n'; }

void PrintBanner() {
  PrintLine("");
  PrintLine(std::string("SKARVETH MAP BUILDER v") + kMapBuilderVersion);
  PrintLine("");
  PrintLine("SKMAP builds map files for Codename: Skarveth.");
  PrintLine("Made by Vosk Game Works: code, pictures, sounds and maps.");
  PrintLine("More maps and news: https://vosk.example/skarveth");
  PrintLine("");
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

  // Assembled whole and swapped in at once: a failed build never leaves a broken map behind.
  const TBuiltMap map = AssembleDescribedMap(d);
  WriteDescribedMap(d, map);

  PrintSummary(d, map.File.size());
  PrintLine("");
  PrintLine("SUCCESS: Map file was built successfully.");
  PrintWarnings(FindMapWarnings(d, map.Background, map.Mask), NormalizeSeparators(d.MapFileName));
}

void PrintHelp() {
  PrintBanner();
  PrintLine("Usage: SKMAP <Skarveth map ini file>");
  PrintLine("       SKMAP --help | --version");
  PrintLine("");
  PrintLine("Builds the map file that a map description (an INI file) names, for the game to");
  PrintLine("list and play. File paths in the description are relative to the folder SKMAP");
  PrintLine("runs in. See how the game loads the result with SKVIEW.");
}

// The two options: a description file of either name is no plausible one.
bool AnswerOption(const std::vector<std::string>& args) {
  if (args.size() != 1) return false;
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
  } else if (args[0] == "--version" || args[0] == "-v") {
    PrintLine(std::string("SKMAP ") + kMapBuilderVersion + ", the map builder of " + kGameTitle +
              " " + kGameVersion);
  } else {
    return false;
  }
  std::cout.flush();
  return true;
}

}  // namespace
}  // namespace sk

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
  if (sk::AnswerOption(args)) return 0;
  sk::PrintBanner();
  int status = 0;
  try {
    sk::BuildMap(args);
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
