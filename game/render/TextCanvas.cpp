#include "game/render/TextCanvas.h"

#include <algorithm>

#include "common/Cp1252.h"
#include "game/render/GlyphBlit.h"
#include "game/render/GlyphCache.h"

namespace sk {

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
    FillSurfaceRect(
        *surface_,
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
