#include "tools/skedit/view/EditorFrame.h"

#include <imgui.h>

#include "tools/skbalance/BalanceField.h"
#include "tools/skedit/view/Canvas.h"
#include "tools/skedit/view/SidePanel.h"

namespace sk::edit {
namespace {

constexpr float kPanelWidth = 460;
constexpr std::uint32_t kRestAtExit = 60;

void StatusLine(const TEditorState& s) {
  ImGui::Separator();
  if (HasWork(s)) {
    ImGui::Text("%s%s", s.Work.DescriptionFile.c_str(), s.Work.Doc->Modified() ? " (changed)" : "");
    ImGui::SameLine();
  }
  ImGui::TextDisabled("%s", s.Status.c_str());
}

void Welcome() {
  ImGui::TextWrapped(
      "No map is open. File > New starts a map on a 640 x 480 JPEG picture; File > Open "
      "opens a map description (.ini) or a built map (.map).");
}

}  // namespace

void AdvancePreview(TEditorState& s, double milliseconds) {
  if (!HasWork(s) || !s.Preview.Playing) return;
  s.Preview.Carry += milliseconds;
  const auto steps = std::uint32_t(s.Preview.Carry / balance::kStepMilliseconds);
  s.Preview.Carry -= steps * double(balance::kStepMilliseconds);
  s.Preview.Step += steps;
  if (s.Preview.Step > s.Work.Scene.RoundSteps() + kRestAtExit) s.Preview.Step = 0;
}

void UpdateTextures(TEditorState& s, TCanvasTextures& t) {
  if (!HasWork(s)) return;
  TWork& w = s.Work;
  if (t.SceneryOf != w.Doc.get()) {
    t.Scenery.ShowScenery(w.Scene);
    t.SceneryOf = w.Doc.get();
    t.FrameRevision = ~std::uint64_t{0};
  }
  const std::uint64_t revision = w.Doc->Revision();
  if (t.FrameRevision == revision && t.FrameStep == s.Preview.Step &&
      t.FrameModels == s.Canvas.ShowModels)
    return;
  w.Scene.Draw(s.Frame, s.Preview.Step, s.Canvas.ShowModels);
  t.Frame.Show(s.Frame);
  t.FrameRevision = revision;
  t.FrameStep = s.Preview.Step;
  t.FrameModels = s.Canvas.ShowModels;
}

void DrawEditorFrame(TEditorState& s, TDialogs& d, TCanvasTextures& t) {
  const ImGuiViewport* viewport = ImGui::GetMainViewport();
  ImGui::SetNextWindowPos(viewport->WorkPos);
  ImGui::SetNextWindowSize(viewport->WorkSize);
  const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                 ImGuiWindowFlags_MenuBar | ImGuiWindowFlags_NoBringToFrontOnFocus |
                                 ImGuiWindowFlags_NoSavedSettings;
  ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0);
  ImGui::Begin("SKEDIT", nullptr, flags);
  ImGui::PopStyleVar();
  DrawMenuBar(s, d);
  const float status = ImGui::GetFrameHeightWithSpacing() + 4;
  if (HasWork(s)) {
    ImGui::BeginChild("canvas", ImVec2(-kPanelWidth, -status), false,
                      ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse);
    DrawCanvas(s, t.Frame.Get(), t.Scenery.Get());
    ImGui::EndChild();
    ImGui::SameLine();
    ImGui::BeginChild("panel", ImVec2(0, -status), true);
    DrawSidePanel(s);
    ImGui::EndChild();
  } else {
    ImGui::BeginChild("welcome", ImVec2(0, -status));
    Welcome();
    ImGui::EndChild();
  }
  StatusLine(s);
  HandleShortcuts(s, d);
  DrawDialogs(s, d);
  ImGui::End();
}

}  // namespace sk::edit
