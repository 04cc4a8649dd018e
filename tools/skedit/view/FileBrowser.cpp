#include "tools/skedit/view/FileBrowser.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace sk::edit {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool Wanted(const TFileBrowser& b, const fs::path& file) {
  if (b.Extensions.empty()) return true;
  const std::string ext = Lower(file.extension().string());
  return std::find(b.Extensions.begin(), b.Extensions.end(), ext) != b.Extensions.end();
}

struct TListing {
  std::vector<std::string> Folders, Files;
};

TListing List(const TFileBrowser& b) {
  TListing l;
  std::error_code error;
  for (fs::directory_iterator it(b.Folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with(".")) continue;
    std::error_code kind;
    if (it->is_directory(kind))
      l.Folders.push_back(name);
    else if (Wanted(b, it->path()))
      l.Files.push_back(name);
  }
  std::sort(l.Folders.begin(), l.Folders.end());
  std::sort(l.Files.begin(), l.Files.end());
  return l;
}

void Finish(TFileBrowser& b) {
  if (b.Name.empty()) return;
  const fs::path chosen = fs::path(b.Folder) / b.Name;
  std::error_code error;
  if (fs::is_directory(chosen, error)) {
    b.Folder = fs::weakly_canonical(chosen, error).string();
    b.Name.clear();
    return;
  }
  if (!b.Saving && !fs::exists(chosen, error)) return;
  b.Open = false;
  ImGui::CloseCurrentPopup();
  // Moved out first: what it does may open the browser again for the next question.
  const auto then = std::move(b.Chosen);
  if (then) then(chosen.string());
}

}  // namespace

void ShowFileBrowser(TFileBrowser& b, const std::string& title, const std::string& start,
                     std::vector<std::string> extensions, bool saving,
                     std::function<void(const std::string&)> chosen) {
  std::error_code error;
  fs::path from = start.empty() ? fs::current_path(error) : fs::absolute(start, error);
  if (!fs::is_directory(from, error)) {
    b.Name = saving ? from.filename().string() : "";
    from = from.parent_path();
  } else {
    b.Name.clear();
  }
  if (!fs::is_directory(from, error)) from = fs::current_path(error);
  b.Folder = from.string();
  b.Title = title;
  b.Extensions = std::move(extensions);
  b.Saving = saving;
  b.Chosen = std::move(chosen);
  b.Open = true;
}

void DrawFileBrowser(TFileBrowser& b) {
  if (!b.Open) return;
  const std::string id = b.Title + "###filebrowser";
  if (!ImGui::IsPopupOpen(id.c_str())) ImGui::OpenPopup(id.c_str());
  ImGui::SetNextWindowSize(ImVec2(640, 480), ImGuiCond_Appearing);
  if (!ImGui::BeginPopupModal(id.c_str(), &b.Open)) return;
  if (ImGui::Button("Up")) b.Folder = fs::path(b.Folder).parent_path().string();
  ImGui::SameLine();
  ImGui::TextUnformatted(b.Folder.c_str());
  const TListing listing = List(b);
  ImGui::BeginChild("files", ImVec2(0, -ImGui::GetFrameHeightWithSpacing() * 1.5f), true);
  for (const std::string& folder : listing.Folders) {
    if (ImGui::Selectable((folder + "/").c_str(), false, ImGuiSelectableFlags_AllowDoubleClick) &&
        ImGui::IsMouseDoubleClicked(0))
      b.Folder = (fs::path(b.Folder) / folder).string();
  }
  for (const std::string& file : listing.Files) {
    if (ImGui::Selectable(file.c_str(), b.Name == file, ImGuiSelectableFlags_AllowDoubleClick)) {
      b.Name = file;
      if (ImGui::IsMouseDoubleClicked(0)) Finish(b);
    }
  }
  ImGui::EndChild();
  ImGui::SetNextItemWidth(-160);
  const bool enter = ImGui::InputText("##name", &b.Name, ImGuiInputTextFlags_EnterReturnsTrue);
  ImGui::SameLine();
  if (ImGui::Button(b.Saving ? "Save" : "Open") || enter) Finish(b);
  ImGui::SameLine();
  if (ImGui::Button("Cancel")) {
    b.Open = false;
    ImGui::CloseCurrentPopup();
  }
  ImGui::EndPopup();
}

}  // namespace sk::edit
