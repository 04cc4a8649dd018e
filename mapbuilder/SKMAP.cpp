// SKMAP: turns a map description (an INI file) into a map file the game can list and play.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/MapFormat.h"
#include "common/MapWarnings.h"
#include "common/PathSpeed.h"
#include "common/Printable.h"
#include "common/ProgramName.h"
#include "common/Version.h"
#include "mapbuilder/BuildMap.h"
#include "mapbuilder/MapDescription.h"
#include "mapbuilder/MapSummary.h"
#include "mapbuilder/MapTarget.h"

namespace sk {
namespace {

void PrintLine(const std::string& text) { std::cout << text << '\n'; }

void PrintBanner() {
  PrintLine("");
  PrintLine(std::string("SKARVETH MAP BUILDER v") + kMapBuilderVersion);
  PrintLine("");
  PrintLine(CommandName("SKMAP") + " builds map files for Codename: Skarveth.");
  PrintLine("Made by Vosk Game Works: code, pictures, sounds and maps.");
  PrintLine("More maps and news: https://vosk.example/skarveth");
  PrintLine("");
}

// After the summary, on standard error, so the printed lines stay the same for scripts.
void PrintWarnings(const std::vector<std::string>& warnings,
                   const std::vector<std::string>& speed_warnings, const std::string& map_file) {
  std::cout.flush();
  for (const std::string& warning : warnings) std::cerr << "WARNING: " << warning << '\n';
  const std::string shown = PrintableText(map_file);
  if (!warnings.empty()) {
    std::cerr << "WARNING: the game may refuse or misdraw this map; see how it loads with: "
              << CommandName("SKVIEW") << ' ' << shown << '\n';
  }
  for (const std::string& warning : speed_warnings) std::cerr << "WARNING: " << warning << '\n';
  if (!speed_warnings.empty()) {
    std::cerr << "WARNING: measure how hard it plays with: " << CommandName("SKBALANCE") << ' '
              << shown << '\n';
  }
}

// Each line of `text` on standard error, after `prefix`.
void PrintEachLine(const std::string& prefix, const std::string& text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::cerr << prefix << text.substr(start, end - start) << '\n';
    start = end + 1;
  }
}

// The shared check of a map's pictures and waypoints, each picture named by the file the
// description gives for it.
std::vector<std::string> DescribedMapWarnings(const TMapDescription& d, const TBuiltMap& map) {
  std::optional<TMapPicture> mask;
  if (!d.MaskBMP.empty()) mask = TMapPicture{NormalizeSeparators(d.MaskBMP), map.Mask};
  return FindMapWarnings(d.Content,
                         TMapPicture{NormalizeSeparators(d.BackgroundJPEG), map.Background}, mask);
}

std::string Usage() { return "Usage: " + CommandName("SKMAP") + " <Skarveth map ini file>"; }

// Everything after the description is read, with its "~" hints added to a failure's detail.
void BuildFromDescription(const TMapDescription& d, const std::string& ini_path) {
  // Assembled whole and swapped in at once: a failed build never leaves a broken map behind.
  const TBuiltMap map = AssembleDescribedMap(d);
  WriteDescribedMap(d, map);
  const std::string map_file = NormalizeSeparators(d.MapFileName);

  const TBuildFiles files{FullPath(ini_path), FullPath(NormalizeSeparators(d.BackgroundJPEG)),
                          d.MaskBMP.empty() ? "" : FullPath(NormalizeSeparators(d.MaskBMP)),
                          FullPath(map_file)};
  PrintSummary(std::cout, d, map.File.size(), files);
  PrintLine("");
  PrintLine("SUCCESS: Map file was built successfully.");
  PrintWarnings(DescribedMapWarnings(d, map), FindSpeedWarnings(d.Content), map_file);
}

void BuildMap(const std::vector<std::string>& args) {
  if (args.size() != 1) throw BuildFailure(Usage());
  const std::string ini_path = ExpandFileName(args[0]);
  if (GetFileKind(ini_path) != FileKind::Regular)
    throw BuildFailure("Ini file not found.", UnreadableDetail(ini_path));
  const TMapDescription d = ReadMapDescription(IniFile::Load(ini_path));
  const std::string hints = TildeHints(d);
  try {
    BuildFromDescription(d, ini_path);
  } catch (const BuildFailure& failure) {
    if (hints.empty()) throw;
    const std::string detail = failure.Detail().empty() ? "" : failure.Detail() + "\n";
    throw BuildFailure(failure.what(), detail + hints.substr(0, hints.size() - 1));
  }
  // A "~" folder that happened to exist took the files: say so all the same.
  PrintEachLine("WARNING: ", hints);
}

void PrintHelp() {
  PrintBanner();
  const std::string self = CommandName("SKMAP");
  PrintLine(Usage());
  PrintLine("       " + self + " --help | --version");
  PrintLine("");
  PrintLine("Builds the map file that a map description (an INI file) names, for the game to");
  PrintLine("list and play. File paths in the description are relative to the folder " + self);
  PrintLine("runs in. See how the game loads the result with " + CommandName("SKVIEW") +
            ", and how hard");
  PrintLine("it plays with " + CommandName("SKBALANCE") + ".");
}

// The two options: a description file of either name is no plausible one.
bool AnswerOption(const std::vector<std::string>& args) {
  if (args.size() != 1) return false;
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
  } else if (args[0] == "--version" || args[0] == "-v") {
    PrintLine(CommandName("SKMAP") + " " + kMapBuilderVersion + ", the map builder of " +
              kGameTitle + " " + kGameVersion);
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
    sk::PrintEachLine(sk::CommandName("SKMAP") + ": ", failure.Detail());
    status = 1;
  } catch (const std::bad_alloc&) {
    sk::PrintLine("ERROR: Out of memory.");
    status = 1;
  }
  std::cout.flush();
  return status;
}
