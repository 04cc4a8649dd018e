#include "tools/skedit/view/SidePanel.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <cstdio>

#include "common/MapWarnings.h"
#include "common/PathSpeed.h"
#include "tools/skbalance/BalanceField.h"
#include "tools/skedit/model/DepthCheck.h"
#include "tools/skedit/model/PathEdits.h"
#include "tools/skedit/view/Canvas.h"

namespace sk::edit {
namespace {

constexpr ImGuiInputTextFlags kOnEnter = ImGuiInputTextFlags_EnterReturnsTrue;

double StepSeconds(double steps) { return steps * balance::kStepMilliseconds / 1000.0; }

void MapSection(TEditorState& s) {
  const TMapDescription& d = CurrentMap(s);
  std::string name = d.Content.Name;
  ImGui::SetNextItemWidth(-1);
  if (ImGui::InputText("##name", &name, kOnEnter))
    Edit(s, [&](TMapDescription& m) {
      m.Content.Name = name.substr(0, kMaxMapNameLength);
      return true;
    });
  ImGui::TextDisabled("Map file: %s", d.MapFileName.c_str());
  ImGui::TextDisabled("Background: %s", d.BackgroundJPEG.c_str());
  ImGui::TextDisabled("Mask: %s", d.MaskBMP.empty() ? "none" : d.MaskBMP.c_str());
  int place[2] = {d.Content.FinalX, d.Content.FinalY};
  if (ImGui::InputInt2("Exit x, y", place, kOnEnter))
    Edit(s, [&](TMapDescription& m) { return MoveExit(m.Content, place[0], place[1]); });
}

void PathButtons(TEditorState& s) {
  const std::size_t p = s.SelectedPath;
  const std::size_t count = CurrentMap(s).Content.Paths.size();
  if (ImGui::Button("Add") && Edit(s, [](TMapDescription& m) { return AddPath(m.Content); }))
    s.SelectedPath = count;
  ImGui::SameLine();
  if (ImGui::Button("Duplicate") &&
      Edit(s, [p](TMapDescription& m) { return DuplicatePath(m.Content, p); }))
    s.SelectedPath = p + 1;
  ImGui::SameLine();
  if (ImGui::Button("Delete") && Edit(s, [p](TMapDescription& m) { return DeletePath(m.Content, p); }))
    s.SelectedPath = p > 0 ? p - 1 : 0;
  ImGui::SameLine();
  if (ImGui::Button("Up") && p > 0 &&
      Edit(s, [p](TMapDescription& m) { return MovePath(m.Content, p, p - 1); }))
    s.SelectedPath = p - 1;
  ImGui::SameLine();
  if (ImGui::Button("Down") &&
      Edit(s, [p](TMapDescription& m) { return MovePath(m.Content, p, p + 1); }))
    s.SelectedPath = p + 1;
  ImGui::SameLine();
  ImGui::TextDisabled("%zu of %zu", count, kMaxMapPaths);
}

void PathList(TEditorState& s) {
  const TMapContent& c = CurrentMap(s).Content;
  for (std::size_t p = 0; p < c.Paths.size(); ++p) {
    const auto mean = PathMeanSpeed(c.Paths[p], c.FinalX, c.FinalY);
    char label[96];
    std::snprintf(label, sizeof label, "Path %zu: %zu waypoints, %.2f px/tick##path%zu", p + 1,
                  c.Paths[p].size(), mean.value_or(0.0), p);
    ImGui::PushStyleColor(ImGuiCol_Text, PathColour(p));
    if (ImGui::Selectable(label, p == s.SelectedPath)) {
      s.SelectedPath = p;
      s.SelectedWaypoint.reset();
    }
    ImGui::PopStyleColor();
  }
  PathButtons(s);
}

const char* Flag(TSpeedVerdict v) {
  switch (v) {
    case TSpeedVerdict::TooSlow: return "slow";
    case TSpeedVerdict::TooFast: return "FAST";
    case TSpeedVerdict::Unfollowable: return "JUMPS";
    default: return "";
  }
}

void WaypointRow(TEditorState& s, std::size_t p, const TWayPoint& w, const TSegmentSpeed& seg) {
  const std::size_t k = seg.Index;
  ImGui::TableNextRow();
  ImGui::TableNextColumn();
  if (ImGui::Selectable(std::to_string(k + 1).c_str(), s.SelectedWaypoint == k,
                        ImGuiSelectableFlags_SpanAllColumns | ImGuiSelectableFlags_AllowItemOverlap))
    s.SelectedWaypoint = k;
  ImGui::PushID(int(k));
  int xy[2] = {w.X, w.Y};
  ImGui::TableNextColumn();
  ImGui::SetNextItemWidth(-1);
  if (ImGui::InputInt2("##xy", xy, kOnEnter))
    Edit(s, [&](TMapDescription& m) { return MoveWaypoint(m.Content, p, k, xy[0], xy[1]); });
  int frames = w.Frames;
  ImGui::TableNextColumn();
  ImGui::SetNextItemWidth(-1);
  if (ImGui::InputInt("##frames", &frames, 0, 0, kOnEnter) && frames >= 1 && frames <= 65535)
    Edit(s, [&](TMapDescription& m) {
      return SetWaypoint(m.Content, p, k, TWayPoint{w.X, w.Y, std::uint16_t(frames)});
    });
  double speed = seg.Speed;
  ImGui::TableNextColumn();
  ImGui::SetNextItemWidth(-1);
  if (seg.Verdict != TSpeedVerdict::Playable)
    ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(255, 90, 70, 255));
  if (ImGui::InputDouble("##speed", &speed, 0, 0, "%.2f", kOnEnter))
    Edit(s, [&](TMapDescription& m) { return SetSegmentSpeed(m.Content, p, k, speed); });
  ImGui::TableNextColumn();
  ImGui::Text("%.1f s %s", StepSeconds(w.Frames), Flag(seg.Verdict));
  if (seg.Verdict != TSpeedVerdict::Playable) ImGui::PopStyleColor();
  ImGui::PopID();
}

void SelectedPath(TEditorState& s) {
  const TMapContent& c = CurrentMap(s).Content;
  if (s.SelectedPath >= c.Paths.size()) return;
  const std::size_t p = s.SelectedPath;
  const auto& path = c.Paths[p];
  ImGui::Text("Path %zu", p + 1);
  if (path.empty()) {
    ImGui::TextWrapped("Click on the picture to place its first waypoint.");
    return;
  }
  double whole = PathMeanSpeed(path, c.FinalX, c.FinalY).value_or(kDefaultSpeed);
  ImGui::SetNextItemWidth(90);
  if (ImGui::InputDouble("px/tick for the whole path", &whole, 0, 0, "%.2f", kOnEnter))
    Edit(s, [&](TMapDescription& m) { return SetPathSpeed(m.Content, p, whole); });
  std::uint64_t steps = 0;
  for (const TWayPoint& w : path) steps += w.Frames;
  ImGui::TextDisabled("Walk to the exit: %.1f s. Playable: %.1f to %.1f px/tick.",
                      StepSeconds(double(steps)), kSlowestPlayableSpeed, kFastestPlayableSpeed);
  const auto speeds = PathSegmentSpeeds(path, c.FinalX, c.FinalY);
  const ImGuiTableFlags flags = ImGuiTableFlags_RowBg | ImGuiTableFlags_BordersInnerV |
                                ImGuiTableFlags_ScrollY | ImGuiTableFlags_SizingStretchProp;
  if (!ImGui::BeginTable("waypoints", 5, flags, ImVec2(0, 230))) return;
  ImGui::TableSetupScrollFreeze(0, 1);
  ImGui::TableSetupColumn("#", ImGuiTableColumnFlags_WidthFixed, 28);
  ImGui::TableSetupColumn("x, y", ImGuiTableColumnFlags_WidthStretch, 3);
  ImGui::TableSetupColumn("frames", ImGuiTableColumnFlags_WidthStretch, 1.5);
  ImGui::TableSetupColumn("px/tick", ImGuiTableColumnFlags_WidthStretch, 1.5);
  ImGui::TableSetupColumn("time", ImGuiTableColumnFlags_WidthStretch, 2);
  ImGui::TableHeadersRow();
  for (const TSegmentSpeed& seg : speeds) WaypointRow(s, p, path[seg.Index], seg);
  ImGui::EndTable();
}

void PreviewControls(TEditorState& s) {
  if (ImGui::Button(s.Preview.Playing ? "Pause" : "Play")) s.Preview.Playing = !s.Preview.Playing;
  ImGui::SameLine();
  int step = int(s.Preview.Step);
  const int last = int(s.Work.Scene.RoundSteps());
  ImGui::SetNextItemWidth(-1);
  if (ImGui::SliderInt("##step", &step, 0, last, "step %d")) {
    s.Preview.Step = std::uint32_t(step);
    s.Preview.Playing = false;
  }
  ImGui::Checkbox("Models", &s.Canvas.ShowModels);
  ImGui::SameLine();
  ImGui::Checkbox("Scenery overlay", &s.Canvas.ShowMask);
  ImGui::SameLine();
  if (ImGui::Button("Fit")) s.Canvas.Fit = true;
  if (!s.Work.Scene.HasModels()) ImGui::TextDisabled("(no game archive: models are boxes)");
}

void UpdateWarnings(TEditorState& s) {
  TWork& w = s.Work;
  if (w.WarningsRevision == w.Doc->Revision() || w.Doc->InGesture()) return;
  const TMapDescription& d = w.Doc->Map();
  std::optional<TMapPicture> mask;
  if (!d.MaskBMP.empty()) mask = TMapPicture{d.MaskBMP, w.Mask};
  w.Warnings = FindMapWarnings(d.Content, TMapPicture{d.BackgroundJPEG, w.Background}, mask);
  if (!w.PictureProblem.empty()) w.Warnings.insert(w.Warnings.begin(), w.PictureProblem);
  for (std::string& line : FindSpeedWarnings(d.Content)) w.Warnings.push_back(std::move(line));
  for (std::string& line : w.Depth.Find(w.Scene)) w.Warnings.push_back(std::move(line));
  w.WarningsRevision = w.Doc->Revision();
}

void Warnings(TEditorState& s) {
  UpdateWarnings(s);
  if (s.Work.Warnings.empty()) {
    ImGui::TextColored(ImVec4(0.5f, 1, 0.5f, 1), "No warnings.");
    return;
  }
  for (const std::string& line : s.Work.Warnings)
    ImGui::TextColored(ImVec4(1, 0.55f, 0.4f, 1), "%s", line.c_str());
}

void PlayerLine(const char* who, const balance::TPlayerFigures& f) {
  ImGui::Text("%-8s %6.1f s  (%.1f min)%s", who, f.MeanSeconds, f.MeanSeconds / 60,
              f.Capped ? "  some never end" : "");
}

void DifficultyFigures(TEditorState& s) {
  const auto latest = s.Difficulty.Latest();
  const bool current = latest && latest->Revision == s.Work.Doc->Revision();
  if (!latest) {
    ImGui::TextDisabled("Measuring...");
    return;
  }
  if (!latest->Problem.empty()) {
    ImGui::TextWrapped("%s", latest->Problem.c_str());
    return;
  }
  ImGui::Text("Difficulty: %s%s", latest->Band.c_str(), current ? "" : "  (measuring the edit...)");
  PlayerLine("idle", latest->Idle);
  PlayerLine("decent", latest->Decent);
  PlayerLine("perfect", latest->Perfect);
  ImGui::TextDisabled("Mean match length over %d seeds; the band follows the decent player:",
                      kDifficultySeeds);
  ImGui::TextDisabled("Easy 3-5 min, Medium 1.5-3 min, Hard 45-90 s. Took %.2f s.",
                      latest->Seconds);
}

}  // namespace

void DrawSidePanel(TEditorState& s) {
  if (!HasWork(s)) return;
  if (ImGui::CollapsingHeader("Map", ImGuiTreeNodeFlags_DefaultOpen)) MapSection(s);
  if (ImGui::CollapsingHeader("Paths", ImGuiTreeNodeFlags_DefaultOpen)) PathList(s);
  if (ImGui::CollapsingHeader("Waypoints", ImGuiTreeNodeFlags_DefaultOpen)) SelectedPath(s);
  if (ImGui::CollapsingHeader("Preview", ImGuiTreeNodeFlags_DefaultOpen)) PreviewControls(s);
  if (ImGui::CollapsingHeader("Difficulty", ImGuiTreeNodeFlags_DefaultOpen)) DifficultyFigures(s);
  if (ImGui::CollapsingHeader("Warnings", ImGuiTreeNodeFlags_DefaultOpen)) Warnings(s);
}

}  // namespace sk::edit
