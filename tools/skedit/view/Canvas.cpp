#include "tools/skedit/view/Canvas.h"

#include <imgui.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "common/PathSpeed.h"
#include "tools/skedit/model/PathEdits.h"
#include "tools/skedit/view/CanvasGeometry.h"

namespace sk::edit {
namespace {

constexpr float kHitRadius = 8;
constexpr ImU32 kExitColour = IM_COL32(255, 220, 0, 255);
constexpr ImU32 kFlagColour = IM_COL32(255, 60, 40, 255);
constexpr ImU32 kMarginColour = IM_COL32(40, 40, 46, 255);

struct THit {
  std::size_t Path = 0;
  std::size_t Waypoint = 0;
};

TCanvasGeometry Geometry(const TEditorState& s, ImVec2 canvas_origin) {
  return TCanvasGeometry{ImVec2(canvas_origin.x + s.Canvas.PanX, canvas_origin.y + s.Canvas.PanY),
                         s.Canvas.Zoom};
}

// The largest whole zoom at which the picture and its margin fit, centred.
void FitCanvas(TCanvasView& view, ImVec2 size) {
  const int wide = kScreenWidth + 2 * kCanvasMargin;
  const int high = kScreenHeight + 2 * kCanvasMargin;
  view.Zoom = std::max(1, std::min(int(size.x) / wide, int(size.y) / high));
  view.PanX = std::floor((size.x - float(kScreenWidth * view.Zoom)) / 2);
  view.PanY = std::floor((size.y - float(kScreenHeight * view.Zoom)) / 2);
  view.Fit = false;
}

// The waypoint under the pointer, the selected path's first.
std::optional<THit> HitWaypoint(const TEditorState& s, const TCanvasGeometry& g, ImVec2 mouse) {
  const auto& paths = CurrentMap(s).Content.Paths;
  std::optional<THit> best;
  float best_d = kHitRadius * kHitRadius;
  for (std::size_t n = 0; n < paths.size(); ++n) {
    const std::size_t p = (s.SelectedPath + n) % paths.size();
    for (std::size_t k = 0; k < paths[p].size(); ++k) {
      const float d = Distance2(mouse, g.ToScreen(paths[p][k].X, paths[p][k].Y));
      if (d < best_d - (n == 0 ? 0.0f : 1.0f)) {
        best_d = d;
        best = THit{p, k};
      }
    }
  }
  return best;
}

bool HitExit(const TEditorState& s, const TCanvasGeometry& g, ImVec2 mouse) {
  const auto& c = CurrentMap(s).Content;
  return Distance2(mouse, g.ToScreen(c.FinalX, c.FinalY)) < (kHitRadius + 2) * (kHitRadius + 2);
}

// The segment of the selected path under the pointer.
std::optional<std::size_t> HitSegment(const TEditorState& s, const TCanvasGeometry& g,
                                      ImVec2 mouse) {
  const auto& c = CurrentMap(s).Content;
  if (s.SelectedPath >= c.Paths.size()) return std::nullopt;
  const auto& path = c.Paths[s.SelectedPath];
  for (std::size_t k = 0; k < path.size(); ++k) {
    const ImVec2 a = g.ToScreen(path[k].X, path[k].Y);
    const ImVec2 b = k + 1 < path.size() ? g.ToScreen(path[k + 1].X, path[k + 1].Y)
                                         : g.ToScreen(c.FinalX, c.FinalY);
    if (SegmentDistance2(mouse, a, b) < kHitRadius * kHitRadius) return k;
  }
  return std::nullopt;
}

void DrawPath(const TEditorState& s, ImDrawList* dl, const TCanvasGeometry& g, std::size_t p) {
  const auto& c = CurrentMap(s).Content;
  const auto& path = c.Paths[p];
  const bool selected = p == s.SelectedPath;
  const ImU32 colour = PathColour(p);
  const auto speeds = PathSegmentSpeeds(path, c.FinalX, c.FinalY);
  for (const TSegmentSpeed& seg : speeds) {
    const std::size_t k = seg.Index;
    const ImVec2 a = g.ToScreen(path[k].X, path[k].Y);
    const ImVec2 b = k + 1 < path.size() ? g.ToScreen(path[k + 1].X, path[k + 1].Y)
                                         : g.ToScreen(c.FinalX, c.FinalY);
    const bool flagged = seg.Verdict != TSpeedVerdict::Playable;
    if (flagged) dl->AddLine(a, b, kFlagColour, selected ? 7.0f : 5.0f);
    dl->AddLine(a, b, colour, selected ? 3.0f : 2.0f);
    if (flagged) {
      char text[32];
      std::snprintf(text, sizeof text, "! %.1f px/tick", seg.Speed);
      const ImVec2 mid((a.x + b.x) / 2 + 6, (a.y + b.y) / 2 - 8);
      dl->AddRectFilled(ImVec2(mid.x - 2, mid.y - 1), ImVec2(mid.x + 96, mid.y + 15),
                        IM_COL32(0, 0, 0, 190));
      dl->AddText(mid, kFlagColour, text);
    }
  }
  for (std::size_t k = 0; k < path.size(); ++k) {
    const ImVec2 at = g.ToScreen(path[k].X, path[k].Y);
    const bool current = selected && s.SelectedWaypoint == k;
    dl->AddCircleFilled(at, current ? 7.0f : 5.5f, colour);
    dl->AddCircle(at, current ? 8.0f : 6.0f, current ? IM_COL32_WHITE : IM_COL32_BLACK, 0, 1.5f);
    char label[24];
    std::snprintf(label, sizeof label, "%zu", k + 1);
    dl->AddText(ImVec2(at.x + 8, at.y - 16), IM_COL32_BLACK, label);
    dl->AddText(ImVec2(at.x + 7, at.y - 17), IM_COL32_WHITE, label);
  }
}

void DrawExit(const TEditorState& s, ImDrawList* dl, const TCanvasGeometry& g) {
  const auto& c = CurrentMap(s).Content;
  const ImVec2 at = g.ToScreen(c.FinalX, c.FinalY);
  dl->AddRect(ImVec2(at.x - 9, at.y - 9), ImVec2(at.x + 9, at.y + 9), kExitColour, 0, 0, 3);
  dl->AddLine(ImVec2(at.x - 5, at.y), ImVec2(at.x + 5, at.y), kExitColour, 2);
  dl->AddLine(ImVec2(at.x, at.y - 5), ImVec2(at.x, at.y + 5), kExitColour, 2);
  dl->AddText(ImVec2(at.x + 12, at.y - 7), kExitColour, "EXIT");
}

// Models outside the picture are not drawn by the game; their boxes show where they are.
void DrawOffscreenModels(const TEditorState& s, ImDrawList* dl, const TCanvasGeometry& g) {
  const TPreviewScene& scene = s.Work.Scene;
  for (std::size_t p = 0; p < scene.PathCount(); ++p) {
    const TRect box = scene.ModelBox(p, s.Preview.Step);
    if (box.Width() == 0) continue;
    const bool inside = box.Left >= 0 && box.Top >= 0 && box.Right <= kScreenWidth &&
                        box.Bottom <= kScreenHeight;
    if (inside && scene.HasModels()) continue;
    dl->AddRect(g.Corner(box.Left, box.Top), g.Corner(box.Right, box.Bottom), PathColour(p), 0, 0,
                2);
  }
}

void Append(TEditorState& s, int x, int y) {
  const std::size_t p = s.SelectedPath;
  if (Edit(s, [&](TMapDescription& d) { return AppendWaypoint(d.Content, p, x, y); }))
    s.SelectedWaypoint = CurrentMap(s).Content.Paths[p].size() - 1;
  else
    s.Status = "A path holds at most 255 waypoints.";
}

void Press(TEditorState& s, const TCanvasGeometry& g, ImVec2 mouse) {
  const ImGuiIO& io = ImGui::GetIO();
  const int x = g.MapX(mouse.x), y = g.MapY(mouse.y);
  if (io.KeyCtrl || io.KeyAlt) {
    if (const auto k = HitSegment(s, g, mouse)) {
      const std::size_t p = s.SelectedPath;
      if (Edit(s, [&](TMapDescription& d) { return InsertWaypoint(d.Content, p, *k, x, y); }))
        s.SelectedWaypoint = *k + 1;
    }
    return;
  }
  if (const auto hit = HitWaypoint(s, g, mouse)) {
    s.SelectedPath = hit->Path;
    s.SelectedWaypoint = hit->Waypoint;
    s.Canvas.Drag = TDragKind::Waypoint;
    s.Canvas.DragPath = hit->Path;
    s.Canvas.DragWaypoint = hit->Waypoint;
    s.Work.Doc->BeginGesture();
  } else if (HitExit(s, g, mouse)) {
    s.Canvas.Drag = TDragKind::Exit;
    s.Work.Doc->BeginGesture();
  } else {
    Append(s, x, y);
  }
}

void DragTo(TEditorState& s, const TCanvasGeometry& g, ImVec2 mouse) {
  const int x = g.MapX(mouse.x), y = g.MapY(mouse.y);
  const std::size_t p = s.Canvas.DragPath, k = s.Canvas.DragWaypoint;
  if (s.Canvas.Drag == TDragKind::Waypoint)
    s.Work.Doc->ApplyLive([&](TMapDescription& d) { return MoveWaypoint(d.Content, p, k, x, y); });
  else if (s.Canvas.Drag == TDragKind::Exit)
    s.Work.Doc->ApplyLive([&](TMapDescription& d) { return MoveExit(d.Content, x, y); });
}

void Release(TEditorState& s) {
  if (s.Canvas.Drag == TDragKind::Waypoint || s.Canvas.Drag == TDragKind::Exit) {
    s.Work.Doc->EndGesture();
    s.LastEdit = std::chrono::steady_clock::now();
  }
  s.Canvas.Drag = TDragKind::None;
}

void ZoomAt(TCanvasView& view, ImVec2 local, float wheel) {
  const int zoom = std::clamp(view.Zoom + (wheel > 0 ? 1 : -1), 1, 16);
  if (zoom == view.Zoom) return;
  const float mx = (local.x - view.PanX) / float(view.Zoom);
  const float my = (local.y - view.PanY) / float(view.Zoom);
  view.Zoom = zoom;
  view.PanX = std::floor(local.x - mx * float(zoom));
  view.PanY = std::floor(local.y - my * float(zoom));
}

void HandleInput(TEditorState& s, const TCanvasGeometry& g, ImVec2 canvas_origin) {
  const ImGuiIO& io = ImGui::GetIO();
  const ImVec2 mouse = io.MousePos;
  const bool hovered = ImGui::IsItemHovered();
  if (hovered && io.MouseWheel != 0)
    ZoomAt(s.Canvas, ImVec2(mouse.x - canvas_origin.x, mouse.y - canvas_origin.y), io.MouseWheel);
  if (hovered && ImGui::IsMouseClicked(ImGuiMouseButton_Middle)) s.Canvas.Drag = TDragKind::Pan;
  if (s.Canvas.Drag == TDragKind::Pan) {
    s.Canvas.PanX += io.MouseDelta.x;
    s.Canvas.PanY += io.MouseDelta.y;
    if (!ImGui::IsMouseDown(ImGuiMouseButton_Middle)) s.Canvas.Drag = TDragKind::None;
    return;
  }
  if (hovered && ImGui::IsMouseClicked(ImGuiMouseButton_Left)) Press(s, g, mouse);
  if (s.Canvas.Drag != TDragKind::None) {
    if (ImGui::IsMouseDown(ImGuiMouseButton_Left))
      DragTo(s, g, mouse);
    else
      Release(s);
  }
  if (hovered && ImGui::IsMouseClicked(ImGuiMouseButton_Right)) {
    if (const auto hit = HitWaypoint(s, g, mouse)) {
      Edit(s, [&](TMapDescription& d) { return RemoveWaypoint(d.Content, hit->Path, hit->Waypoint); });
      s.SelectedPath = hit->Path;
      s.SelectedWaypoint.reset();
    }
  }
  if (hovered) {
    char text[48];
    std::snprintf(text, sizeof text, "x %d  y %d  zoom %dx", g.MapX(mouse.x), g.MapY(mouse.y),
                  g.Zoom);
    ImGui::SetTooltip("%s", text);
  }
}

}  // namespace

unsigned PathColour(std::size_t p) {
  static constexpr std::array<ImU32, 8> kColours = {
      IM_COL32(255, 90, 90, 255),  IM_COL32(90, 200, 255, 255), IM_COL32(120, 255, 120, 255),
      IM_COL32(255, 160, 40, 255), IM_COL32(220, 120, 255, 255), IM_COL32(255, 255, 120, 255),
      IM_COL32(80, 255, 220, 255), IM_COL32(255, 130, 200, 255)};
  return kColours[p % kColours.size()];
}

void DrawCanvas(TEditorState& s, SDL_Texture* frame, SDL_Texture* scenery) {
  const ImVec2 size = ImGui::GetContentRegionAvail();
  if (size.x < 8 || size.y < 8) return;
  if (s.Canvas.Fit) FitCanvas(s.Canvas, size);
  const ImVec2 origin = ImGui::GetCursorScreenPos();
  ImGui::InvisibleButton("canvas", size,
                         ImGuiButtonFlags_MouseButtonLeft | ImGuiButtonFlags_MouseButtonRight |
                             ImGuiButtonFlags_MouseButtonMiddle);
  const TCanvasGeometry g = Geometry(s, origin);
  ImDrawList* dl = ImGui::GetWindowDrawList();
  dl->PushClipRect(origin, ImVec2(origin.x + size.x, origin.y + size.y), true);
  dl->AddRectFilled(origin, ImVec2(origin.x + size.x, origin.y + size.y), IM_COL32(20, 20, 24, 255));
  dl->AddRectFilled(g.Corner(-kCanvasMargin, -kCanvasMargin),
                    g.Corner(kScreenWidth + kCanvasMargin, kScreenHeight + kCanvasMargin),
                    kMarginColour);
  const ImVec2 p0 = g.Corner(0, 0), p1 = g.Corner(kScreenWidth, kScreenHeight);
  dl->AddImage(ImTextureID(frame), p0, p1);
  if (s.Canvas.ShowMask) dl->AddImage(ImTextureID(scenery), p0, p1);
  dl->AddRect(ImVec2(p0.x - 1, p0.y - 1), ImVec2(p1.x + 1, p1.y + 1), IM_COL32(200, 200, 200, 255));
  if (s.Canvas.ShowModels) DrawOffscreenModels(s, dl, g);
  const std::size_t count = CurrentMap(s).Content.Paths.size();
  for (std::size_t p = 0; p < count; ++p)
    if (p != s.SelectedPath) DrawPath(s, dl, g, p);
  if (s.SelectedPath < count) DrawPath(s, dl, g, s.SelectedPath);
  DrawExit(s, dl, g);
  dl->PopClipRect();
  HandleInput(s, g, origin);
}

}  // namespace sk::edit
