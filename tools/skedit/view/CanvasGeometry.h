#pragma once
#include <imgui.h>

#include <cmath>
#include <optional>

// Where map pixels land on the screen at the canvas's zoom and pan, and back.
namespace sk::edit {

// Map pixels shown around the 640 x 480 picture: models often start off screen.
inline constexpr int kCanvasMargin = 120;

struct TCanvasGeometry {
  ImVec2 Origin;  // the map's pixel (0, 0), top-left corner, on the screen
  int Zoom = 1;

  // The centre of map pixel (x, y).
  ImVec2 ToScreen(int x, int y) const {
    return ImVec2(Origin.x + (float(x) + 0.5f) * float(Zoom), Origin.y + (float(y) + 0.5f) * float(Zoom));
  }
  ImVec2 Corner(int x, int y) const {
    return ImVec2(Origin.x + float(x) * float(Zoom), Origin.y + float(y) * float(Zoom));
  }
  int MapX(float sx) const { return int(std::floor((sx - Origin.x) / float(Zoom))); }
  int MapY(float sy) const { return int(std::floor((sy - Origin.y) / float(Zoom))); }
};

inline float Distance2(ImVec2 a, ImVec2 b) {
  return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// Squared distance from `p` to the segment a-b.
inline float SegmentDistance2(ImVec2 p, ImVec2 a, ImVec2 b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return Distance2(p, ImVec2(a.x + t * dx, a.y + t * dy));
}

}  // namespace sk::edit
