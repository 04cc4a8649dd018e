#include <cmath>
#include <cstdlib>
#include <numbers>

#include "common/PortableMath.h"
#include "game/frontend/GameDrawing.h"
#include "game/render/Draw.h"

namespace sk {
namespace {

constexpr TPoint kGun{320, 480};
constexpr TRect kReloadBar{0, 470, 0, 480};
constexpr int kNumbersY = 460;
constexpr int kFragsX = 160;
constexpr int kHealthX = 480;

int RoundToInt(double v) { return static_cast<int>(std::nearbyint(v)); }

void DrawModels(const TScreenFrame& frame, const TMapState& map, TGameState& game) {
  const TImageList& images = frame.Graphics.Images;
  TSurface& back = frame.Graphics.BackSurface;
  const TImage& models = FindImage(images, "Models.bmp");
  const TImage& blood = FindImage(images, "Blood.bmp");
  for (std::size_t i = 0; i < game.WalkingModels.size(); ++i) {
    const TWalkingModel& model = game.WalkingModels[i];
    if (!model.Active && model.Dying <= 0) continue;
    const TRect r = ModelRect(map, game, i);
    if (model.Active && r.Contains(frame.MousePos.X, frame.MousePos.Y)) {
      game.HoveredModel = model.ModelType;
    }
    DrawImage(models, back, r.Left, r.Top, model.ModelType);
    const int frame = BloodFrame(model.Dying);
    if (frame < 0) continue;
    DrawImage(blood, back, r.Left + r.Width() / 2 - ImageWidth(blood) / 2,
              r.Top + r.Height() / 2 - ImageHeight(blood) / 2, frame);
  }
}

void DrawReloadBar(const TScreenFrame& frame, const TGameState& game) {
  const TImage& bar = FindImage(frame.Graphics.Images, "RailBar.bmp");
  TRect dest = kReloadBar;
  dest.Right = ReloadBarWidth(game.ReloadTime);
  DrawImageStretch(bar, frame.Graphics.BackSurface, dest, 0);
}

}  // namespace

int BloodFrame(std::int32_t dying) {
  if (dying <= 0) return -1;
  const int frame = 2 - dying / 10;
  return frame >= 0 && frame <= 2 ? frame : -1;
}

int ReloadBarWidth(std::int32_t reload_time) {
  return RoundToInt(std::abs(static_cast<double>(reload_time) - kReloadTicks) * kScreenWidth /
                    kReloadTicks);
}

TRailTrailPlacement PlaceRailTrail(TPoint shot_point, std::int32_t trail_time) {
  const double dx = static_cast<double>(kGun.X) - shot_point.X;
  const double dy = static_cast<double>(kGun.Y) - shot_point.Y;
  double degrees = 0;
  if (shot_point.X != kGun.X) {
    const double a = PortableAtan(dy / dx) * 180.0 / std::numbers::pi;
    degrees = shot_point.X > kGun.X ? a + 90 : a - 90;
  }
  TRailTrailPlacement placement;
  placement.Length = RoundToInt(std::sqrt(dy * dy + dx * dx));
  placement.Angle = RoundToInt(degrees * 255 / 360);
  placement.Alpha = RoundToInt(static_cast<double>(trail_time) * 255 / kTrailTicks);
  return placement;
}

namespace {

// The fading trail from the gun at the bottom centre to the last shot's point.
void DrawRailTrail(const TScreenFrame& frame, const TGameState& game) {
  if (game.TrailTime == 0) return;
  const TImage& trail = FindImage(frame.Graphics.Images, "RailTrail.bmp");
  const TRailTrailPlacement p = PlaceRailTrail(game.ShotPoint, game.TrailTime);
  DrawImageRotateAdd(trail, frame.Graphics.BackSurface, kGun.X, kGun.Y, ImageWidth(trail), p.Length,
                     0, 0.5, 1.0, p.Angle, p.Alpha);
}

// n >= 0 in the digit pictures of "Numbers.bmp", centred on x, standing on y.
void DrawNumber(const TScreenFrame& frame, std::int32_t x, std::int32_t y, std::int32_t n) {
  const TImage& digits = FindImage(frame.Graphics.Images, "Numbers.bmp");
  const int w = ImageWidth(digits);
  const int h = ImageHeight(digits);
  // The digits without sign; filled from the right, the way they are worked out.
  char text[12];
  int count = 0;
  long long rest = std::llabs(static_cast<long long>(n));
  do {
    text[count++] = static_cast<char>(rest % 10);
    rest /= 10;
  } while (rest > 0);
  const int left = x - count * w / 2;
  for (int k = 0; k < count; ++k) {
    DrawImage(digits, frame.Graphics.BackSurface, left + k * w, y - h, text[count - 1 - k]);
  }
}

}  // namespace

void DrawGameScene(const TScreenFrame& frame, const TMapState& map, TGameState& game) {
  const TImageList& images = frame.Graphics.Images;
  TSurface& back = frame.Graphics.BackSurface;
  game.HoveredModel = -1;
  DrawImage(FindImage(images, kMapBackgroundImage), back, 0, 0, 0);
  DrawModels(frame, map, game);
  if (map.MapHasMask) DrawImage(FindImage(images, kMapMaskImage), back, 0, 0, 0);
  DrawRailTrail(frame, game);
  DrawReloadBar(frame, game);
  DrawNumber(frame, kFragsX, kNumbersY, game.Frags);
  DrawNumber(frame, kHealthX, kNumbersY, game.Health);
}

}  // namespace sk
