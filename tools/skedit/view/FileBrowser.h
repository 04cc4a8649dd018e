#pragma once
#include <functional>
#include <string>
#include <vector>

// The editor's own file chooser: folders and the files of the wanted kinds in one list, a
// line for the name, and the folder to go up to. It lives inside the window, so it looks
// and behaves the same on every desktop.
namespace sk::edit {

struct TFileBrowser {
  bool Open = false;
  std::string Title;
  std::string Folder;                    // absolute, shown and listed
  std::string Name;                      // the file name typed or picked
  std::vector<std::string> Extensions;   // lower case, with the dot; empty: every file
  bool Saving = false;                   // a new name may be typed
  std::function<void(const std::string&)> Chosen;
};

void ShowFileBrowser(TFileBrowser& b, const std::string& title, const std::string& start,
                     std::vector<std::string> extensions, bool saving,
                     std::function<void(const std::string&)> chosen);
// Draws the browser while it is open; calls Chosen with the full path picked.
void DrawFileBrowser(TFileBrowser& b);

}  // namespace sk::edit
