#include "game/maps/MapList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/Cp1252.h"
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

}  // namespace

TMapList BuildMapList(const std::string& program_dir) {
  const std::string folder = program_dir + "Maps/";
  std::vector<std::string> names = ListMapFileNames(folder);
  std::sort(names.begin(), names.end(), ListedBefore);
  TMapList list;
  for (std::string& name : names) {
    if (std::optional<std::string> map_name = ReadMapName(folder + name)) {
      list.push_back(TMapListEntry{std::move(*map_name), std::move(name)});
    }
  }
  return list;
}

}  // namespace sk
