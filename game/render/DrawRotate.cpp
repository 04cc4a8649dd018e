#include <algorithm>
#include <cmath>

#include "game/render/Draw.h"
#include "game/render/DrawPixels.h"
#include "game/render/DrawRows.h"
#include "game/render/RotateSpans.h"

namespace sk {
namespace {

using draw::Axis;
using draw::TAxis;
using draw::ToFixed;
using draw::TSpan;

// Far beyond any surface, small enough that every later product fits in 64 bits.
constexpr double kCoordLimit = 1.0e9;

int TruncCoord(double v) {
  return static_cast<int>(std::trunc(std::clamp(v, -kCoordLimit, kCoordLimit)));
}

// The turned, scaled frame: which destination pixels it covers and where each one samples.
struct TRotation {
  int X0 = 0, Y0 = 0, X1 = -1, Y1 = -1;  // visited area, inclusive, inside the surface
  double X, Y, Cos, Sin, PivotU, PivotV, ScaleU, ScaleV;
};

bool MakeRotation(const TRect& fr, const TSurface& surface, int x, int y, int w, int h, double cx,
                  double cy, int angle, TRotation& r) {
  if (w <= 0 || h <= 0 || surface.Empty() || !std::isfinite(cx) || !std::isfinite(cy)) return false;
  r.X = x;
  r.Y = y;
  r.Cos = Cos256(angle);
  r.Sin = Sin256(angle);
  r.PivotU = w * cx;
  r.PivotV = h * cy;
  r.ScaleU = static_cast<double>(fr.Width()) / w;
  r.ScaleV = static_cast<double>(fr.Height()) / h;
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int corner = 0; corner < 4; ++corner) {
    const double u = ((corner & 1) ? w : 0) - r.PivotU;
    const double v = ((corner & 2) ? h : 0) - r.PivotV;
    const int px = TruncCoord(x + u * r.Cos - v * r.Sin);
    const int py = TruncCoord(y + u * r.Sin + v * r.Cos);
    minX = corner ? std::min(minX, px) : px;
    maxX = corner ? std::max(maxX, px) : px;
    minY = corner ? std::min(minY, py) : py;
    maxY = corner ? std::max(maxY, py) : py;
  }
  r.X0 = std::max(minX, 0);
  r.Y0 = std::max(minY, 0);
  r.X1 = std::min(maxX, surface.Width - 1);
  r.Y1 = std::min(maxY, surface.Height - 1);
  return r.X0 <= r.X1 && r.Y0 <= r.Y1;
}

// The source points of one row's run, from the first visited pixel on, stepped in 16.16.
struct TRotatedRun {
  const std::uint16_t* Frame;  // the frame's top-left pixel
  std::size_t Pitch;           // pixels from one row of the picture to the next
  std::int64_t U = 0, V = 0, StepU = 0, StepV = 0;

  SK_DRAW_INLINE std::uint16_t At(int i) const { return Sample(U + i * StepU, V + i * StepV); }
  SK_DRAW_INLINE draw::TPixels8 Gather8(int i) const {
    std::int64_t u = U + i * StepU, v = V + i * StepV;
    return draw::Gather8([&] {
      const std::uint16_t p = Sample(u, v);
      u += StepU;
      v += StepV;
      return p;
    });
  }
  SK_DRAW_INLINE std::uint16_t Sample(std::int64_t u, std::int64_t v) const {
    return Frame[static_cast<std::size_t>(v >> 16) * Pitch + static_cast<std::size_t>(u >> 16)];
  }
};

// The same over a frame whose rows are a power of two apart. Every point of a run lies in
// the frame, below 2^27 in 16.16, so the eight points of a group are worked out side by side
// in 32 bits.
struct TPreparedRun {
  using TInts4 = std::int32_t __attribute__((vector_size(16)));
  const std::uint16_t* Frame;
  int PitchShift;
  std::int64_t U = 0, V = 0, StepU = 0, StepV = 0;

  SK_DRAW_INLINE std::uint16_t At(int i) const {
    const std::int64_t u = U + i * StepU, v = V + i * StepV;
    return Frame[static_cast<std::size_t>(((v >> 16) << PitchShift) + (u >> 16))];
  }
  SK_DRAW_INLINE draw::TPixels8 Gather8(int i) const {
    const auto u = static_cast<std::int32_t>(U + i * StepU);
    const auto v = static_cast<std::int32_t>(V + i * StepV);
    const auto su = static_cast<std::int32_t>(StepU), sv = static_cast<std::int32_t>(StepV);
    const TInts4 lanes{0, 1, 2, 3};
    const TInts4 u0 = u + lanes * su, v0 = v + lanes * sv;
    const TInts4 at0 = ((v0 >> 16) << PitchShift) + (u0 >> 16);
    const TInts4 at1 = (((v0 + 4 * sv) >> 16) << PitchShift) + ((u0 + 4 * su) >> 16);
    return draw::TPixels8{Frame[at0[0]], Frame[at0[1]], Frame[at0[2]], Frame[at0[3]],
                          Frame[at1[0]], Frame[at1[1]], Frame[at1[2]], Frame[at1[3]]};
  }
};

// The 16.16 steps from one destination pixel to the next across the frame and down it.
std::int64_t StepAcross(const TRotation& r) { return ToFixed(r.Cos * r.ScaleU); }
std::int64_t StepDown(const TRotation& r) { return ToFixed(-r.Sin * r.ScaleV); }

// For every row of the area, the run of destination pixels whose source point (sampled at
// the pixel's centre, stepped in 16.16) lies in the frame of fw x fh pixels: only that run is
// visited. The run comes from the same integer stepping, solved for its ends, so it holds
// exactly the pixels a test of every pixel would pass. Each run goes to put(dst, n, run), with
// `run` (whose steps are set) starting at the run's first pixel.
template <typename Run, typename Put>
void ForEachRotatedRun(Run run, int fw, int fh, TSurface& surface, const TRotation& r, Put put) {
  const TAxis across = Axis(run.StepU, fw);
  const TAxis down = Axis(run.StepV, fh);
  const std::int64_t width = r.X1 - r.X0 + 1;
  draw::TRowRuns runs(across, down, width, r.Sin * r.ScaleU * 65536.0);
  const double rx = r.X0 + 0.5 - r.X;
  // Rows are worked out in blocks, first where every row starts and its run, then the runs:
  // the rows' sums do not wait for each other, nor for the pixels.
  constexpr int kBlock = 32;
  std::int64_t u0[kBlock], v0[kBlock];
  TSpan spans[kBlock];
  for (int top = r.Y0; top <= r.Y1; top += kBlock) {
    const int rows = std::min(kBlock, r.Y1 - top + 1);
    for (int i = 0; i < rows; ++i) {
      const double ry = top + i + 0.5 - r.Y;
      u0[i] = ToFixed((rx * r.Cos + ry * r.Sin + r.PivotU) * r.ScaleU);
      v0[i] = ToFixed((-rx * r.Sin + ry * r.Cos + r.PivotV) * r.ScaleV);
    }
    for (int i = 0; i < rows; ++i) spans[i] = runs.Next(u0[i], v0[i]);
    for (int i = 0; i < rows; ++i) {
      // The row after next is fetched while this one is drawn: a slanted run's rows lie in
      // different cache lines, which the processor cannot guess.
      if (i + 2 < rows && spans[i + 2].First < spans[i + 2].End) {
        std::uint16_t* ahead = surface.Row(top + i + 2) + r.X0;
        __builtin_prefetch(ahead + spans[i + 2].First, 1);
        __builtin_prefetch(ahead + spans[i + 2].End - 1, 1);
      }
      const TSpan span = spans[i];
      if (span.First >= span.End) continue;
      run.U = u0[i] + span.First * run.StepU;
      run.V = v0[i] + span.First * run.StepV;
      put(surface.Row(top + i) + r.X0 + span.First, static_cast<int>(span.End - span.First), run);
    }
  }
}

// Adding a frame is adding its pixels scaled by alpha, and adding black changes nothing. A
// frame of at most this many pixels that the draw covers at least once over (the rail
// trail) is therefore scaled once, its key pixels made black, and then only added.
constexpr int kPreparedPixels = 4096;

// Puts every visited pixel of the frame with `put`, leaving the destination under key pixels.
template <typename Put8>
void DrawRotatedKeyed(const TImage& image, const TRect& fr, TSurface& surface, const TRotation& r,
                      Put8 put8) {
  const draw::TRowKey key{image.Transparent, image.Key};
  const TRotatedRun run{image.Surface.Row(fr.Top) + fr.Left,
                        static_cast<std::size_t>(image.Surface.Width),
                        0,
                        0,
                        StepAcross(r),
                        StepDown(r)};
  ForEachRotatedRun(run, fr.Width(), fr.Height(), surface, r,
                    [key, put8](std::uint16_t* dst, int n, const TRotatedRun& run) {
                      draw::PutRow(dst, n, run, key, put8);
                    });
}

// The smallest power of two at least n, as a shift.
int PitchShift(int n) {
  int shift = 0;
  while ((1 << shift) < n) ++shift;
  return shift;
}

}  // namespace

void DrawImageRotate(const TImage& image, TSurface& surface, int x, int y, int w, int h, int frame,
                     double cx, double cy, int angle) {
  const TRect* fr = draw::ValidFrame(image, frame);
  TRotation r;
  if (!fr || !MakeRotation(*fr, surface, x, y, w, h, cx, cy, angle, r)) return;
  DrawRotatedKeyed(image, *fr, surface, r, draw::Replace);
}

void DrawImageRotateAdd(const TImage& image, TSurface& surface, int x, int y, int w, int h,
                        int frame, double cx, double cy, int angle, int alpha) {
  if (alpha <= 0) return;
  const TRect* fr = draw::ValidFrame(image, frame);
  TRotation r;
  if (!fr || !MakeRotation(*fr, surface, x, y, w, h, cx, cy, angle, r)) return;
  const auto scale = [alpha](draw::TPixels8 s, draw::TPixels8) SK_DRAW_INLINE_LAMBDA {
    return alpha >= 255 ? s : draw::Scale8(s, alpha);
  };
  const int shift = PitchShift(fr->Width());
  const std::int64_t pixels = (std::int64_t{1} << shift) * fr->Height();
  const std::int64_t visited = std::int64_t{r.X1 - r.X0 + 1} * (r.Y1 - r.Y0 + 1);
  if (pixels > kPreparedPixels || pixels > visited) {
    DrawRotatedKeyed(image, *fr, surface, r,
                     [scale](draw::TPixels8 s, draw::TPixels8 d)
                         SK_DRAW_INLINE_LAMBDA { return draw::AddSaturate8(scale(s, d), d); });
    return;
  }
  // Key pixels leave the black below them. Only the part the frame's rows take is cleared:
  // clearing the whole buffer at every draw would cost more than preparing a small frame.
  std::uint16_t prepared[kPreparedPixels];
  std::fill_n(prepared, pixels, std::uint16_t{0});
  const draw::TRowKey key{image.Transparent, image.Key};
  for (int row = 0; row < fr->Height(); ++row) {
    draw::PutRow(prepared + (row << shift), fr->Width(),
                 draw::TPlainRun{image.Surface.Row(fr->Top + row) + fr->Left}, key, scale);
  }
  const TPreparedRun run{prepared, shift, 0, 0, StepAcross(r), StepDown(r)};
  ForEachRotatedRun(run, fr->Width(), fr->Height(), surface, r,
                    [](std::uint16_t* dst, int n, const TPreparedRun& run) {
                      draw::PutRun(dst, n, run, draw::AddSaturate8);
                    });
}

}  // namespace sk
