#pragma once
#include <optional>
#include <string>
#include <vector>

// What the editor remembers between runs: its window and the files last worked on. Kept in
// the player's settings folder, beside the game's own settings of an installed copy.
namespace sk::edit {

inline constexpr std::size_t kMaxRecentFiles = 8;

struct TEditorSettings {
  int WindowX = -1;  // -1: wherever the desktop puts it
  int WindowY = -1;
  int WindowWidth = 1280;
  int WindowHeight = 800;
  bool Maximized = false;
  std::vector<std::string> RecentFiles;  // newest first
};

// The folder of the editor's settings and recovery copy: $XDG_CONFIG_HOME/skarveth/, else
// ~/.config/skarveth/ (ending in '/'); nothing without a home folder.
std::optional<std::string> EditorFolder();

TEditorSettings ReadEditorSettings(const std::string& file);
// Replaced at once, so a crash while writing never loses the old settings.
bool WriteEditorSettings(const std::string& file, const TEditorSettings& settings);

// `file` at the top of the recent files, once.
void RememberFile(TEditorSettings& settings, const std::string& file);

}  // namespace sk::edit
