#include "tools/skedit/model/MapFiles.h"

#include <unistd.h>

#include <filesystem>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "common/MapFormat.h"
#include "mapbuilder/BuildMap.h"
#include "tools/skedit/model/DescriptionText.h"
#include "tools/skedit/model/EditDocument.h"

namespace sk::edit {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Stem(const std::string& file) { return std::filesystem::path(file).stem().string(); }

std::string Beside(const std::string& file, const std::string& name) {
  return (std::filesystem::path(ExpandFileName(file)).parent_path() / name).string();
}

// Where a map opened from `file` is saved: beside it, or where the author may write.
std::string SaveFolder(const std::string& file, const std::string& writable_folder) {
  const std::string folder = FolderOf(ExpandFileName(file));
  if (writable_folder.empty() || ::access(folder.c_str(), W_OK) == 0) return Beside(file, "");
  return ExpandFileName(writable_folder);
}

Bytes Copy(std::span<const std::uint8_t> bytes) { return Bytes(bytes.begin(), bytes.end()); }

void WritePicture(const std::string& path, const Bytes& bytes) {
  std::string reason;
  if (!ReplaceFileAtomically(NormalizeSeparators(path), bytes, &reason))
    throw BuildFailure("Cannot write " + path + ": " + reason);
}

// The check SKMAP makes of the description, on the very text we are about to write.
TMapDescription ReadBack(const std::string& text, const TMapDescription& d) {
  for (std::size_t p = 0; p < d.Content.Paths.size(); ++p)
    if (d.Content.Paths[p].empty())
      throw BuildFailure("Path " + std::to_string(p + 1) + " must contain at least one waypoint.");
  TMapDescription read = ReadMapDescription(IniFile::Parse(text));
  if (!SameMap(read, d)) throw BuildFailure("The description would not read back as edited.");
  return read;
}

}  // namespace

std::optional<TOpenedMap> OpenDescription(const std::string& file, std::string& problem) {
  if (GetFileKind(file) != FileKind::Regular) {
    problem = "Ini file not found.";
    return std::nullopt;
  }
  try {
    return TOpenedMap{ReadMapDescription(IniFile::Load(file)), file, std::nullopt};
  } catch (const BuildFailure& failure) {
    problem = failure.what();
    return std::nullopt;
  }
}

std::optional<TOpenedMap> OpenMapFile(const std::string& file, std::string& problem,
                                      const std::string& writable_folder) {
  const auto bytes = ReadFileBytes(file, std::size_t{1} << 30);
  const auto info = bytes ? ReadMapFile(*bytes) : std::nullopt;
  const auto background = info ? MapBackgroundData(*bytes, *info) : std::nullopt;
  if (!background) {
    problem = bytes ? "This is no map file the editor can read." : OpenProblem(file);
    return std::nullopt;
  }
  const std::string folder = SaveFolder(file, writable_folder);
  const std::string stem = Stem(file);
  TOpenedMap opened;
  opened.DescriptionFile = folder + stem + ".ini";
  opened.Map.Content = info->Content;
  opened.Map.MapFileName = folder + NameOf(file);
  opened.Map.BackgroundJPEG = folder + stem + ".jpg";
  TPendingPictures pending{Copy(*background), {}};
  if (const auto mask = MapMaskData(*bytes, *info)) {
    pending.Mask = Copy(*mask);
    opened.Map.MaskBMP = folder + stem + "_mask.bmp";
  }
  opened.Pending = std::move(pending);
  return opened;
}

TOpenedMap NewMap(const std::string& description, const std::string& background,
                  const std::string& mask, const std::string& map_folder) {
  TOpenedMap opened;
  opened.DescriptionFile = description;
  opened.Map.Content.Name = Stem(description).substr(0, kMaxMapNameLength);
  opened.Map.Content.FinalX = 320;
  opened.Map.Content.FinalY = 400;
  opened.Map.Content.Paths.emplace_back();
  opened.Map.MapFileName = map_folder + Stem(description) + ".map";
  // Full paths: the description then builds the same map wherever SKMAP is run.
  opened.Map.BackgroundJPEG = ExpandFileName(background);
  opened.Map.MaskBMP = ExpandFileName(mask);
  return opened;
}

std::optional<std::string> SaveMap(const std::string& description_file, const TMapDescription& d,
                                   const std::optional<TPendingPictures>& pending) {
  try {
    const std::string text = DescriptionText(d);
    const TMapDescription read = ReadBack(text, d);
    if (pending) {
      WritePicture(read.BackgroundJPEG, pending->Background);
      if (!read.MaskBMP.empty()) WritePicture(read.MaskBMP, pending->Mask);
    }
    const TBuiltMap built = AssembleDescribedMap(read);
    std::string reason;
    const Bytes text_bytes(text.begin(), text.end());
    if (!ReplaceFileAtomically(description_file, text_bytes, &reason))
      return "Cannot write " + description_file + ": " + reason;
    // The player's map folder may not exist before the first map is saved into it.
    MakeFolders(FolderOf(NormalizeSeparators(read.MapFileName)));
    WriteDescribedMap(read, built);
    return std::nullopt;
  } catch (const BuildFailure& failure) {
    return std::string(failure.what());
  }
}

}  // namespace sk::edit
