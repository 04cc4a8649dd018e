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
#include "common/PathSpeed.h"
#include "common/Printable.h"
#include "common/ProgramName.h"
#include "common/Version.h"
#include "mapbuilder/MapDescription.h"
#include "mapbuilder/MapSummary.h"
#include "mapbuilder/MapTarget.h"
#include "mapbuilder/MapWarnings.h"

namespace sk {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

std::string ExpandFileName(const std::string& name) {
  if (name.empty()) return name;
  std::error_code error;
  const auto full = std::filesystem::absolute(name, error);
  return error ? name : full.string();
}

// The standard-error line for a file that cannot be read: the full path and the reason.
std::string UnreadableDetail(const std::string& path) {
  const std::string problem = OpenProblem(path);
  return PrintableText(ExpandFileName(path)) + ": " +
         (problem.empty() ? "the file cannot be read" : problem);
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

std::string Usage() { return "Usage: " + CommandName("SKMAP") + " <Skarveth map ini file>"; }

// Everything after the description is read, with its "~" hints added to a failure's detail.
void BuildFromDescription(const TMapDescription& d, const std::string& ini_path) {
  const Bytes background = ReadPicture(d.BackgroundJPEG, "Cannot open JPEG background file.",
                                       "Background JPEG file is too large.");
  Bytes mask;
  if (!d.MaskBMP.empty())
    mask = ReadPicture(d.MaskBMP, "Cannot open BMP mask file.", "Mask BMP file is too large.");

  const std::string map_file = NormalizeSeparators(d.MapFileName);
  // A description naming the wrong file must never cost the author that file.
  if (const std::string problem = MapTargetProblem(map_file); !problem.empty()) {
    throw BuildFailure("Output file exists and is not a map file.",
                       PrintableText(ExpandFileName(map_file)) + ": " + problem);
  }
  // Assembled whole and swapped in at once: a failed build never leaves a broken map behind.
  const auto map = AssembleMapFile(d.Content, background, mask);
  if (!map) throw BuildFailure("Cannot create output file.");
  std::string reason;
  if (!ReplaceFileAtomically(map_file, *map, &reason)) {
    throw BuildFailure("Cannot create output file.",
                       PrintableText(ExpandFileName(map_file)) + ": " + reason);
  }

  const TBuildFiles files{FullPath(ini_path), FullPath(NormalizeSeparators(d.BackgroundJPEG)),
                          d.MaskBMP.empty() ? "" : FullPath(NormalizeSeparators(d.MaskBMP)),
                          FullPath(map_file)};
  PrintSummary(std::cout, d, map->size(), files);
  PrintLine("");
  PrintLine("SUCCESS: Map file was built successfully.");
  PrintWarnings(FindMapWarnings(d, background, mask), FindSpeedWarnings(d.Content), map_file);
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
