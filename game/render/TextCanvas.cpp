#include "game/render/TextCanvas.h"

#include <algorithm>

#include "common/Cp1252.h"
#include "game/render/GlyphCache.h"

namespace sk {
namespace {

// Mixes a colour into a pixel by a glyph's coverage (0 keeps the pixel, 255 replaces it).
std::uint16_t Cover(std::uint16_t d, TColor c, int coverage) {
  const auto mix = [coverage](int dst, int src) { return dst + ((src - dst) * coverage + 127) / 255; };
  return Pack565(mix(Red8(d), ColorRed(c)), mix(Green8(d), ColorGreen(c)),
                 mix(Blue8(d), ColorBlue(c)));
}

void BlitGlyph(TSurface& s, const TRect& clip, const TGlyph& g, int left, int top, TColor c) {
  for (int gy = 0; gy < g.Rows; ++gy) {
    const int y = top + gy;
    if (y < clip.Top || y >= clip.Bottom) continue;
    const std::uint8_t* cov = g.Coverage.data() + static_cast<std::size_t>(gy) * g.Width;
    std::uint16_t* row = s.Row(y);
    for (int gx = 0; gx < g.Width; ++gx) {
      const int x = left + gx;
      if (cov[gx] == 0 || x < clip.Left || x >= clip.Right) continue;
      row[x] = cov[gx] == 255 ? MatchColor(c) : Cover(row[x], c, cov[gx]);
    }
  }
}

}  // namespace

TTextCanvas::TTextCanvas(std::string fontPath) : fontPath_(std::move(fontPath)) {}
TTextCanvas::~TTextCanvas() = default;

TGlyphCache& TTextCanvas::Glyphs() {
  if (!glyphs_) glyphs_ = std::make_unique<TGlyphCache>(fontPath_);
  return *glyphs_;
}

int TTextCanvas::TextWidth(std::string_view text) {
  int width = 0;
  for (unsigned char c : text) width += Glyphs().Glyph(Font.Size, Cp1252CodePoint(c)).Advance;
  return width;
}

int TTextCanvas::TextHeight(std::string_view) { return Glyphs().Metrics(Font.Size).Height; }

void TTextCanvas::TextRect(const TRect& clip, int x, int y, std::string_view text) {
  if (!surface_) return;
  const TRect area = IntersectRect(clip, TRect{0, 0, surface_->Width, surface_->Height});
  if (area.Empty()) return;
  if (Brush.Style == TBrushStyle::Solid) {
    const long long right = static_cast<long long>(x) + TextWidth(text);
    const long long bottom = static_cast<long long>(y) + TextHeight(text);
    FillSurfaceRect(*surface_,
                    IntersectRect(area, TRect{x, y, static_cast<int>(std::min<long long>(right, area.Right)),
                                              static_cast<int>(std::min<long long>(bottom, area.Bottom))}),
                    MatchColor(Brush.Color));
  }
  const TFontMetrics metrics = Glyphs().Metrics(Font.Size);
  long long penX = x;
  const long long baseline = static_cast<long long>(y) + metrics.Ascent;
  for (unsigned char c : text) {
    if (penX >= area.Right) break;
    const TGlyph& g = Glyphs().Glyph(Font.Size, Cp1252CodePoint(c));
    const long long left = penX + g.Left;
    const long long top = baseline - g.Top;
    if (left + g.Width > area.Left && top < area.Bottom && top + g.Rows > area.Top)
      BlitGlyph(*surface_, area, g, static_cast<int>(left), static_cast<int>(top), Font.Color);
    penX += g.Advance;
  }
}

void TTextCanvas::TextOut(int x, int y, std::string_view text) {
  if (!surface_) return;
  TextRect(TRect{0, 0, surface_->Width, surface_->Height}, x, y, text);
}

TTextCanvas& SurfaceCanvas(TTextCanvas& canvas, TSurface& surface) {
  canvas.Attach(&surface);
  return canvas;
}

void ReleaseCanvas(TTextCanvas& canvas) { canvas.Attach(nullptr); }

}  // namespace sk
