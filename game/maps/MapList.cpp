#include "game/maps/MapList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/Cp1252.h"
#include "common/FileIo.h"
#include "game/maps/MapName.h"

namespace sk {
namespace {

bool HasMapExtension(const std::string& name) {
  constexpr std::string_view kExtension = ".map";
  return name.size() >= kExtension.size() &&
         SameText(std::string_view(name).substr(name.size() - kExtension.size()), kExtension);
}

std::vector<std::string> ListMapFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string name = it->path().filename().string();
    if (HasMapExtension(name) && it->is_regular_file(error)) names.push_back(std::move(name));
    error.clear();
  }
  return names;
}

bool ListedBefore(const std::string& a, const std::string& b) {
  const int folded = CompareText(a, b);
  return folded != 0 ? folded < 0 : a < b;
}

struct TListedFile {
  std::string Name;
  std::string Folder;
};

// The files of every folder, a later folder's hiding the earlier ones' of the same name.
std::vector<TListedFile> ListMapFiles(const std::vector<std::string>& folders) {
  std::vector<TListedFile> files;
  for (const std::string& folder : folders) {
    std::vector<std::string> names = ListMapFileNames(folder);
    std::erase_if(files, [&](const TListedFile& earlier) {
      return std::any_of(names.begin(), names.end(),
                         [&](const std::string& name) { return SameText(name, earlier.Name); });
    });
    for (std::string& name : names) files.push_back(TListedFile{std::move(name), folder});
  }
  std::sort(files.begin(), files.end(), [](const TListedFile& a, const TListedFile& b) {
    return ListedBefore(a.Name, b.Name);
  });
  return files;
}

}  // namespace

TMapList BuildMapList(const std::vector<std::string>& folders) {
  TMapList list;
  for (TListedFile& file : ListMapFiles(folders)) {
    if (std::optional<std::string> map_name = ReadMapName(file.Folder + file.Name)) {
      list.push_back(TMapListEntry{std::move(*map_name), std::move(file.Name), file.Folder});
    }
  }
  return list;
}

std::string FindMapFile(const std::vector<std::string>& folders, const std::string& fileName) {
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
    const std::string path = *folder + fileName;
    if (GetFileKind(path) == FileKind::Regular) return path;
  }
  return {};
}

}  // namespace sk
