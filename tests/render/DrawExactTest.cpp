// The drawing operations that visit only what they draw and work on eight pixels at a time
// must give the very pixels of the one-pixel-at-a-time reference, in every case.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "game/render/GlyphBlit.h"
#include "render/ReferenceDraw.h"
#include "render/RenderTestSupport.h"

namespace sk {
namespace {

struct Random {
  std::mt19937 rng{20};
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  bool OneIn(int n) { return Int(1, n) == 1; }
  double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
  std::uint16_t Pixel() { return static_cast<std::uint16_t>(Int(0, 0xFFFF)); }
};

// A picture of a few colours, so that key pixels and saturating channels are common, cut
// into a grid of frames.
TImage& RandomImage(TImageList& list, Random& r) {
  const int fw = r.OneIn(8) ? r.Int(100, 320) : r.Int(1, 40);
  const int fh = r.OneIn(8) ? r.Int(60, 240) : r.Int(1, 70);
  const int across = r.Int(1, 3), down = r.Int(1, 2);
  TPicture p(fw * across, fh * down);
  const TRgb colours[] = {{255, 0, 255},
                          {0, 0, 0},
                          {255, 255, 255},
                          {40, 80, 250},
                          {ColorToRgb(static_cast<TColor>(r.Int(0, 0xFFFFFF))).R, 7, 200}};
  for (TRgb& px : p.Pixels) {
    px = r.OneIn(3) ? colours[r.Int(0, 4)] : ColorToRgb(static_cast<TColor>(r.Int(0, 0xFFFFFF)));
  }
  const TColor key = r.OneIn(2) ? 0xFF00FF : 0x000000;
  return test::AddRestored(list, "Random.bmp", std::move(p), !r.OneIn(4), key, fw, fh);
}

TSurface RandomSurface(Random& r, int width, int height) {
  TSurface s(width, height);
  for (std::uint16_t& px : s.Pixels) px = r.OneIn(4) ? 0xFFFF : r.Pixel();
  return s;
}

int Coordinate(Random& r, int size) {
  return r.OneIn(10) ? r.Int(-3000, 3000) : r.Int(-size / 2, size + size / 2);
}

int Alpha(Random& r) {
  const int special[] = {-3, 0, 1, 128, 254, 255, 256, 1000};
  return r.OneIn(3) ? special[r.Int(0, 7)] : r.Int(1, 254);
}

double Pivot(Random& r) {
  const double special[] = {0.0, 0.5, 1.0, -0.25, 1.5};
  return r.OneIn(2) ? special[r.Int(0, 4)] : r.Real(-1.0, 2.0);
}

// The faster drawing's surface holds the reference's pixels; where not, the first pixel that
// differs.
::testing::AssertionResult SamePixels(const TSurface& fast, const TSurface& ref) {
  if (fast.Pixels == ref.Pixels) return ::testing::AssertionSuccess();
  for (int y = 0; y < fast.Height; ++y) {
    for (int x = 0; x < fast.Width; ++x) {
      if (fast.At(x, y) == ref.At(x, y)) continue;
      return ::testing::AssertionFailure() << "at (" << x << ", " << y << "): " << std::hex
                                           << fast.At(x, y) << " instead of " << ref.At(x, y);
    }
  }
  return ::testing::AssertionFailure() << "the sizes differ";
}

// One random call of one operation on both implementations; returns what was called.
std::string DrawBoth(Random& r, const TImage& image, TSurface& fast, TSurface& ref) {
  const int frame = r.OneIn(20) ? r.Int(-1, 7) : r.Int(0, FrameCount(image) - 1);
  const int x = Coordinate(r, fast.Width), y = Coordinate(r, fast.Height);
  const int w = r.OneIn(20) ? r.Int(-2, 0) : r.OneIn(3) ? r.Int(300, 900) : r.Int(1, 120);
  const int h = r.OneIn(20) ? r.Int(-2, 0) : r.OneIn(3) ? r.Int(300, 900) : r.Int(1, 120);
  const int alpha = Alpha(r);
  std::ostringstream call;
  call << "frame " << frame << " x " << x << " y " << y << " w " << w << " h " << h << " alpha "
       << alpha << " key " << image.Transparent << " ";
  switch (r.Int(0, 4)) {
    case 0: {
      call << "DrawImage";
      DrawImage(image, fast, x, y, frame);
      reference::DrawImage(image, ref, x, y, frame);
      break;
    }
    case 1: {
      const TRect dest{x, y, x + w, y + h};
      call << "DrawImageStretch";
      DrawImageStretch(image, fast, dest, frame);
      reference::DrawImageStretch(image, ref, dest, frame);
      break;
    }
    case 2:
    case 3: {
      const double cx = Pivot(r), cy = Pivot(r);
      const int angle = r.OneIn(4) ? 64 * r.Int(-4, 4) : r.Int(-600, 600);
      call << "cx " << cx << " cy " << cy << " angle " << angle;
      if (r.OneIn(2)) {
        call << " DrawImageRotate";
        DrawImageRotate(image, fast, x, y, w, h, frame, cx, cy, angle);
        reference::DrawImageRotate(image, ref, x, y, w, h, frame, cx, cy, angle);
      } else {
        call << " DrawImageRotateAdd";
        DrawImageRotateAdd(image, fast, x, y, w, h, frame, cx, cy, angle, alpha);
        reference::DrawImageRotateAdd(image, ref, x, y, w, h, frame, cx, cy, angle, alpha);
      }
      break;
    }
    default: {
      const int amplitude = r.Int(-200, 200), length = r.OneIn(5) ? 0 : r.Int(1, 300);
      const int phase = r.Int(-500, 500);
      // At its own width the frame's rows are read straight; other widths are stepped.
      const int width = r.OneIn(2) && !image.Frames.empty() ? image.Frames[0].Width() : w;
      call << "amplitude " << amplitude << " length " << length << " phase " << phase << " width "
           << width << " DrawImageWaveAlpha";
      DrawImageWaveAlpha(image, fast, x, y, width, h, frame, amplitude, length, phase, alpha);
      reference::DrawImageWaveAlpha(image, ref, x, y, width, h, frame, amplitude, length, phase,
                                    alpha);
      break;
    }
  }
  return call.str();
}

TEST(DrawExact, EveryOperationDrawsThePixelsOfTheReference) {
  Random r;
  const TSurface screen = RandomSurface(r, kScreenWidth, kScreenHeight);
  const TSurface small = RandomSurface(r, r.Int(1, 60), r.Int(1, 60));
  for (int picture = 0; picture < 150; ++picture) {
    TImageList list;
    const TImage& image = RandomImage(list, r);
    for (int i = 0; i < 30; ++i) {
      TSurface fast = r.OneIn(5) ? small : screen;
      TSurface ref = fast;
      const std::string call = DrawBoth(r, image, fast, ref);
      ASSERT_TRUE(SamePixels(fast, ref)) << "picture " << picture << " (" << image.Picture.Width
                                         << " x " << image.Picture.Height << "), " << call;
    }
  }
}

TEST(DrawExact, GlyphsBlendThePixelsOfTheReference) {
  Random r;
  const TSurface screen = RandomSurface(r, kScreenWidth, kScreenHeight);
  for (int i = 0; i < 3000; ++i) {
    TGlyph g;
    g.Width = r.Int(0, 30);
    g.Rows = r.Int(0, 30);
    g.Coverage.resize(static_cast<std::size_t>(g.Width * g.Rows));
    for (std::uint8_t& c : g.Coverage)
      c = static_cast<std::uint8_t>(r.OneIn(3) ? 255 * r.Int(0, 1) : r.Int(0, 255));
    const TColor colour =
        r.OneIn(3) ? 0xFFFFFF * r.Int(0, 1) : static_cast<TColor>(r.Int(0, 0xFFFFFF));
    const int cl = r.Int(0, 639), ct = r.Int(0, 479);
    const TRect clip{cl, ct, r.Int(cl, 640), r.Int(ct, 480)};
    const int left = r.Int(-40, 660), top = r.Int(-40, 500);
    TSurface fast = screen, ref = screen;
    BlitGlyph(fast, clip, g, left, top, colour);
    reference::BlitGlyph(ref, clip, g, left, top, colour);
    ASSERT_TRUE(SamePixels(fast, ref)) << g.Width << " x " << g.Rows << " glyph at (" << left
                                       << ", " << top << "), colour " << std::hex << colour;
  }
}

}  // namespace
}  // namespace sk
