#include "tools/skedit/view/Menus.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include "common/FileIo.h"
#include "mapbuilder/BuildMap.h"
#include "tools/skedit/model/PathEdits.h"
#include "tools/skedit/model/Recovery.h"
#include "tools/skedit/view/TestPlay.h"

namespace sk::edit {
namespace {

const std::vector<std::string> kMapFiles = {".ini", ".map"};

std::string StartFolder(const TEditorState& s) {
  return HasWork(s) ? FolderOf(ExpandFileName(s.Work.DescriptionFile)) : "";
}

void Open(TEditorState& s, TDialogs& d) {
  UnlessUnsaved(s, [&s, &d] {
    ShowFileBrowser(d.Browser, "Open a map description or map", StartFolder(s), kMapFiles, false,
                    [&s](const std::string& file) { OpenAnyFile(s, file); });
  });
}

void SaveAs(TEditorState& s, TDialogs& d) {
  if (!HasWork(s)) return;
  ShowFileBrowser(d.Browser, "Save the description as", ExpandFileName(s.Work.DescriptionFile),
                  {".ini"}, true, [&s](const std::string& file) {
                    s.Work.DescriptionFile = file;
                    SaveWork(s);
                  });
}

void Save(TEditorState& s) {
  if (HasWork(s)) SaveWork(s);
}

void DeleteSelected(TEditorState& s) {
  if (!HasWork(s) || !s.SelectedWaypoint) return;
  const std::size_t p = s.SelectedPath, k = *s.SelectedWaypoint;
  if (Edit(s, [&](TMapDescription& m) { return RemoveWaypoint(m.Content, p, k); }))
    s.SelectedWaypoint.reset();
}

void FileMenu(TEditorState& s, TDialogs& d) {
  if (ImGui::MenuItem("New...", "Ctrl+N")) UnlessUnsaved(s, [&d] { d.NewMap = true; });
  if (ImGui::MenuItem("Open...", "Ctrl+O")) Open(s, d);
  if (ImGui::MenuItem("Save", "Ctrl+S", false, HasWork(s))) Save(s);
  if (ImGui::MenuItem("Save As...", nullptr, false, HasWork(s))) SaveAs(s, d);
  if (ImGui::BeginMenu("Recent files", !s.Settings.RecentFiles.empty())) {
    for (const std::string& file : s.Settings.RecentFiles) {
      if (ImGui::MenuItem(file.c_str())) {
        const std::string chosen = file;  // opening rewrites the list
        UnlessUnsaved(s, [&s, chosen] { OpenAnyFile(s, chosen); });
      }
    }
    ImGui::EndMenu();
  }
  ImGui::Separator();
  if (ImGui::MenuItem("Test-play", "F5", false, HasWork(s))) TestPlayMap(s);
  ImGui::Separator();
  if (ImGui::MenuItem("Quit", "Ctrl+Q")) RequestQuit(s);
}

void EditMenu(TEditorState& s) {
  const bool work = HasWork(s);
  if (ImGui::MenuItem("Undo", "Ctrl+Z", false, work && s.Work.Doc->CanUndo())) UndoEdit(s);
  if (ImGui::MenuItem("Redo", "Ctrl+Shift+Z", false, work && s.Work.Doc->CanRedo())) RedoEdit(s);
  if (ImGui::MenuItem("Delete waypoint", "Delete", false, work && s.SelectedWaypoint))
    DeleteSelected(s);
  ImGui::Separator();
  ImGui::TextDisabled("Click: add a waypoint to the selected path");
  ImGui::TextDisabled("Drag: move a waypoint or the exit");
  ImGui::TextDisabled("Right click: remove a waypoint");
  ImGui::TextDisabled("Ctrl+click on a line: insert a waypoint");
  ImGui::TextDisabled("Wheel: zoom; middle drag: pan");
}

void ViewMenu(TEditorState& s) {
  if (ImGui::MenuItem("Fit the picture")) s.Canvas.Fit = true;
  ImGui::MenuItem("Scenery overlay", "M", &s.Canvas.ShowMask);
  ImGui::MenuItem("Models", nullptr, &s.Canvas.ShowModels);
  if (ImGui::MenuItem("Play the preview", "Space", s.Preview.Playing))
    s.Preview.Playing = !s.Preview.Playing;
}

bool Pressed(SDL_Scancode key) { return ImGui::IsKeyPressed(key, false); }

// Browse buttons for the new map's three files.
void FileField(TDialogs& d, const char* label, std::string& value, std::vector<std::string> ext,
               bool saving) {
  ImGui::PushID(label);
  ImGui::SetNextItemWidth(420);
  ImGui::InputText(label, &value);
  ImGui::SameLine();
  if (ImGui::Button("Browse..."))
    ShowFileBrowser(d.Browser, label, value, std::move(ext), saving,
                    [&value](const std::string& file) { value = file; });
  ImGui::PopID();
}

void NewMapDialog(TEditorState& s, TDialogs& d) {
  if (!d.NewMap) return;
  if (!ImGui::IsPopupOpen("New map")) ImGui::OpenPopup("New map");
  if (!ImGui::BeginPopupModal("New map", &d.NewMap, ImGuiWindowFlags_AlwaysAutoResize)) return;
  FileField(d, "Description (.ini)", d.NewDescription, {".ini"}, true);
  FileField(d, "Background (640 x 480 JPEG)", d.NewBackground, {".jpg", ".jpeg"}, false);
  FileField(d, "Mask (BMP, optional)", d.NewMask, {".bmp"}, false);
  ImGui::TextDisabled("The map is built into %s", s.Paths.PlayerMapFolder().c_str());
  const bool ready = !d.NewDescription.empty() && !d.NewBackground.empty();
  if (ImGui::Button("Create") && ready) {
    StartNewMap(s, d.NewDescription, d.NewBackground, d.NewMask);
    d.NewMap = false;
    ImGui::CloseCurrentPopup();
  }
  ImGui::SameLine();
  if (ImGui::Button("Cancel")) {
    d.NewMap = false;
    ImGui::CloseCurrentPopup();
  }
  DrawFileBrowser(d.Browser);  // opened from here, so it stacks over this dialog
  ImGui::EndPopup();
}

void DiscardDialog(TEditorState& s) {
  if (!s.AskDiscard) return;
  if (!ImGui::IsPopupOpen("Unsaved changes")) ImGui::OpenPopup("Unsaved changes");
  if (!ImGui::BeginPopupModal("Unsaved changes", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
    return;
  ImGui::Text("%s has changes that are not saved.", s.Work.DescriptionFile.c_str());
  auto done = [&s](bool go) {
    s.AskDiscard = false;
    ImGui::CloseCurrentPopup();
    auto then = std::move(s.AfterDiscard);
    s.AfterDiscard = nullptr;
    if (go && then) then();
  };
  if (ImGui::Button("Save")) done(SaveWork(s));
  ImGui::SameLine();
  if (ImGui::Button("Discard")) {
    RemoveRecovery(s.RecoveryFile);
    s.Work.Doc->MarkSaved();
    done(true);
  }
  ImGui::SameLine();
  if (ImGui::Button("Cancel")) done(false);
  ImGui::EndPopup();
}

void RecoveryDialog(TEditorState& s) {
  if (!s.Recovered) return;
  if (!ImGui::IsPopupOpen("Recover unsaved work")) ImGui::OpenPopup("Recover unsaved work");
  if (!ImGui::BeginPopupModal("Recover unsaved work", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
    return;
  ImGui::Text("The editor ended without saving %s.", s.Recovered->DescriptionFile.c_str());
  ImGui::Text("Its last recovery copy can be opened now.");
  if (ImGui::Button("Recover")) {
    const std::string source = s.Recovered->Pending ? s.Recovered->Map.MapFileName : "";
    StartWork(s, std::move(*s.Recovered), source);
    // Unsaved, as it was: the copy stays until the work is saved.
    s.Work.Doc->MarkUnsaved();
    s.Recovered.reset();
    ImGui::CloseCurrentPopup();
  }
  ImGui::SameLine();
  if (ImGui::Button("Discard it")) {
    RemoveRecovery(s.RecoveryFile);
    s.Recovered.reset();
    ImGui::CloseCurrentPopup();
  }
  ImGui::EndPopup();
}

void GameDialog(TEditorState& s) {
  if (s.GamePid == 0) return;
  const bool ended = TestPlayEnded(s.GamePid);
  if (!ImGui::IsPopupOpen("Test-play")) ImGui::OpenPopup("Test-play");
  if (ImGui::BeginPopupModal("Test-play", nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
    ImGui::Text("The game is playing the map. The editor waits for it to end.");
    // Closed from inside, or the popup would stay open unseen and hold every shortcut.
    if (ended) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
  }
  if (ended) {
    s.GamePid = 0;
    s.Raise = true;
    s.Status = "The test-play ended.";
  }
}

}  // namespace

void UndoEdit(TEditorState& s) {
  if (HasWork(s) && s.Work.Doc->Undo()) s.SelectedWaypoint.reset();
}

void RedoEdit(TEditorState& s) {
  if (HasWork(s) && s.Work.Doc->Redo()) s.SelectedWaypoint.reset();
}

void StartNewMap(TEditorState& s, const std::string& description, const std::string& background,
                 const std::string& mask) {
  StartWork(s, NewMap(description, background, mask, s.Paths.PlayerMapFolder()), "");
  // Never saved: it counts as changed until it is.
  s.Work.Doc->MarkUnsaved();
}

void TestPlayMap(TEditorState& s) {
  if (!HasWork(s) || s.GamePid != 0) return;
  WriteRecoveryNow(s);
  if (!SaveWork(s)) return;
  std::string problem;
  s.GamePid = StartTestPlay(FindGameProgram(s.Paths.ProgramDir),
                            ExpandFileName(NormalizeSeparators(CurrentMap(s).MapFileName)), problem);
  if (s.GamePid == 0) s.Status = problem;
}

void RequestQuit(TEditorState& s) {
  UnlessUnsaved(s, [&s] { s.Quit = true; });
}

void DrawMenuBar(TEditorState& s, TDialogs& d) {
  if (!ImGui::BeginMenuBar()) return;
  if (ImGui::BeginMenu("File")) {
    FileMenu(s, d);
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("Edit")) {
    EditMenu(s);
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("View")) {
    ViewMenu(s);
    ImGui::EndMenu();
  }
  ImGui::EndMenuBar();
}

void HandleShortcuts(TEditorState& s, TDialogs& d) {
  const ImGuiIO& io = ImGui::GetIO();
  if (io.WantTextInput || ImGui::IsPopupOpen(nullptr, ImGuiPopupFlags_AnyPopupId)) return;
  if (io.KeyCtrl && Pressed(SDL_SCANCODE_Z)) io.KeyShift ? RedoEdit(s) : UndoEdit(s);
  if (io.KeyCtrl && Pressed(SDL_SCANCODE_Y)) RedoEdit(s);
  if (io.KeyCtrl && Pressed(SDL_SCANCODE_S)) io.KeyShift ? SaveAs(s, d) : Save(s);
  if (io.KeyCtrl && Pressed(SDL_SCANCODE_O)) Open(s, d);
  if (io.KeyCtrl && Pressed(SDL_SCANCODE_N)) UnlessUnsaved(s, [&d] { d.NewMap = true; });
  if (io.KeyCtrl && Pressed(SDL_SCANCODE_Q)) RequestQuit(s);
  if (Pressed(SDL_SCANCODE_F5)) TestPlayMap(s);
  if (Pressed(SDL_SCANCODE_DELETE) || Pressed(SDL_SCANCODE_BACKSPACE)) DeleteSelected(s);
  if (!io.KeyCtrl && Pressed(SDL_SCANCODE_M)) s.Canvas.ShowMask = !s.Canvas.ShowMask;
  if (Pressed(SDL_SCANCODE_SPACE)) s.Preview.Playing = !s.Preview.Playing;
}

void DrawDialogs(TEditorState& s, TDialogs& d) {
  NewMapDialog(s, d);
  if (!d.NewMap) DrawFileBrowser(d.Browser);
  DiscardDialog(s);
  RecoveryDialog(s);
  GameDialog(s);
}

}  // namespace sk::edit
