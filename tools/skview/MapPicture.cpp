#include "tools/skview/MapPicture.h"

#include <algorithm>
#include <array>
#include <string>

#include "game/maps/MaskLayer.h"
#include "tools/skview/Canvas.h"

namespace sk {
namespace {

constexpr int kMargin = 24;
constexpr int kReach = 1024;  // how far beyond the play area the preview may extend
constexpr TRgb kOutside{0x30, 0x30, 0x30};
constexpr TRgb kSceneryTint{0x00, 0xFF, 0xFF};
constexpr TRgb kFinalColour{0xFF, 0xFF, 0xFF};
constexpr std::array<TRgb, 8> kPathColours = {{
    {0xFF, 0x40, 0x40}, {0x40, 0xFF, 0x40}, {0x40, 0x90, 0xFF}, {0xFF, 0xE0, 0x20},
    {0xFF, 0x90, 0x20}, {0xE0, 0x60, 0xFF}, {0x20, 0xE0, 0xC0}, {0xFF, 0xA0, 0xC0},
}};

TRgb PathColour(std::size_t p) { return kPathColours[p % kPathColours.size()]; }

TCanvas MakeCanvas(const TPicture& background, const TMapContent& content) {
  int left = 0, top = 0;
  int right = std::max(kMapWidth, background.Width), bottom = std::max(kMapHeight, background.Height);
  auto take = [&](int x, int y) {
    left = std::min(left, x - kMargin);
    top = std::min(top, y - kMargin);
    right = std::max(right, x + kMargin);
    bottom = std::max(bottom, y + kMargin);
  };
  take(content.FinalX, content.FinalY);
  for (const auto& path : content.Paths) {
    for (const TWayPoint& w : path) take(w.X, w.Y);
  }
  left = std::max(left, -kReach);
  top = std::max(top, -kReach);
  right = std::min(right, kMapWidth + kReach);
  bottom = std::min(bottom, kMapHeight + kReach);
  return TCanvas{left, top, TPicture(right - left, bottom - top, kOutside)};
}

void TintScenery(TCanvas& canvas, const TPicture& layer) {
  for (int y = 0; y < layer.Height; ++y) {
    for (int x = 0; x < layer.Width; ++x) {
      if (layer.At(x, y) == kMaskTransparent) continue;
      // Tint and hatch, so scenery stands out on any background colour.
      canvas.Blend(x, y, (x + y) % 8 < 2 ? TRgb{0xFF, 0xFF, 0xFF} : kSceneryTint);
    }
  }
}

void DrawPath(TCanvas& canvas, const std::vector<TWayPoint>& path, const TMapContent& content,
              TRgb colour) {
  for (std::size_t k = 0; k < path.size(); ++k) {
    const TWayPoint& next = k + 1 < path.size() ? path[k + 1] : TWayPoint{content.FinalX, content.FinalY, 0};
    canvas.Line(path[k].X, path[k].Y, next.X, next.Y, colour, 2);
  }
  for (std::size_t k = 0; k < path.size(); ++k) {
    canvas.Disc(path[k].X, path[k].Y, 5, TRgb{});
    canvas.Disc(path[k].X, path[k].Y, 4, colour);
    canvas.Label(path[k].X + 7, path[k].Y - 12, std::to_string(k + 1), colour, 2);
  }
}

}  // namespace

TPicture RenderMapPicture(const TMapState& map, const TImageList& images,
                          const TMapContent& content) {
  const TPicture& background = FindImage(images, kMapBackgroundImage).Picture;
  TCanvas canvas = MakeCanvas(background, content);
  canvas.Blit(background);
  if (map.MapHasMask) TintScenery(canvas, FindImage(images, kMapMaskImage).Picture);
  for (std::size_t p = 0; p < content.Paths.size(); ++p) {
    DrawPath(canvas, content.Paths[p], content, PathColour(p));
  }
  canvas.Ring(content.FinalX, content.FinalY, 10, TRgb{});
  canvas.Ring(content.FinalX, content.FinalY, 9, kFinalColour);
  canvas.Label(content.FinalX + 12, content.FinalY - 14, "F", kFinalColour, 2);
  return std::move(canvas.Picture);
}

}  // namespace sk
