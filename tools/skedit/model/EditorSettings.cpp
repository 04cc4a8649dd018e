#include "tools/skedit/model/EditorSettings.h"

#include <algorithm>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "game/platform/GamePaths.h"

namespace sk::edit {
namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kRecent = "Recent";

}  // namespace

std::optional<std::string> EditorFolder() {
  const TUserEnvironment env = ProcessUserEnvironment();
  if (!env.XdgConfigHome.empty() && env.XdgConfigHome.front() == '/')
    return env.XdgConfigHome + "/" + kUserFolderName + "/";
  if (env.Home.empty()) return std::nullopt;
  return env.Home + "/.config/" + kUserFolderName + "/";
}

TEditorSettings ReadEditorSettings(const std::string& file) {
  const IniFile ini = IniFile::Load(file);
  TEditorSettings s;
  s.WindowX = ini.ReadInteger(kWindow, "X", s.WindowX);
  s.WindowY = ini.ReadInteger(kWindow, "Y", s.WindowY);
  s.WindowWidth = std::clamp(ini.ReadInteger(kWindow, "Width", s.WindowWidth), 400, 16384);
  s.WindowHeight = std::clamp(ini.ReadInteger(kWindow, "Height", s.WindowHeight), 300, 16384);
  s.Maximized = ini.ReadInteger(kWindow, "Maximized", 0) != 0;
  for (std::size_t i = 1; i <= kMaxRecentFiles; ++i) {
    const std::string name = ini.ReadString(kRecent, std::to_string(i), "");
    if (!name.empty()) s.RecentFiles.push_back(name);
  }
  return s;
}

bool WriteEditorSettings(const std::string& file, const TEditorSettings& s) {
  std::string text = "; SKEDIT's window and recent files.\n[Window]\n";
  text += "X=" + std::to_string(s.WindowX) + "\nY=" + std::to_string(s.WindowY) + "\n";
  text += "Width=" + std::to_string(s.WindowWidth) + "\n";
  text += "Height=" + std::to_string(s.WindowHeight) + "\n";
  text += "Maximized=" + std::to_string(s.Maximized ? 1 : 0) + "\n[Recent]\n";
  for (std::size_t i = 0; i < s.RecentFiles.size() && i < kMaxRecentFiles; ++i)
    text += std::to_string(i + 1) + "=\"" + s.RecentFiles[i] + "\"\n";
  if (!MakeFolders(FolderOf(file))) return false;
  return ReplaceFileAtomically(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void RememberFile(TEditorSettings& settings, const std::string& file) {
  auto& files = settings.RecentFiles;
  std::erase(files, file);
  files.insert(files.begin(), file);
  if (files.size() > kMaxRecentFiles) files.resize(kMaxRecentFiles);
}

}  // namespace sk::edit
