#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "game/render/Color.h"
#include "game/render/Geometry.h"
#include "game/render/Surface.h"

namespace sk {

struct TFont {
  std::string Name = "Verdana";  // every face the game asks for is our shipped bold face
  int Size = 10;                 // points at 96 dpi
  bool Bold = false;
  TColor Color = 0x000000;
};

enum class TBrushStyle { Solid, Clear };

struct TBrush {
  TColor Color = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::Solid;
};

struct TPen {
  TColor Color = 0x000000;
  int Width = 1;
};

struct TGlyphCache;

// Text and simple shapes drawn on a 16-bit surface. Glyphs are rasterised by FreeType from the
// font file named at construction (loaded on first use; a missing or broken file throws
// sk::Error("Cannot open file <path>")) and blended into the surface with their coverage.
// Strings are Windows-1252.
class TTextCanvas {
 public:
  explicit TTextCanvas(std::string fontPath);
  ~TTextCanvas();
  TTextCanvas(const TTextCanvas&) = delete;
  TTextCanvas& operator=(const TTextCanvas&) = delete;

  TFont Font;
  TBrush Brush;
  TPen Pen;

  // The surface drawn on; SurfaceCanvas sets it, ReleaseCanvas clears it. Drawing without a
  // surface does nothing.
  void Attach(TSurface* surface) { surface_ = surface; }
  TSurface* Surface() const { return surface_; }

  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  // Text with its top-left corner at (x, y), clipped to `clip` (and the surface). A solid
  // brush fills the text's box first.
  void TextRect(const TRect& clip, int x, int y, std::string_view text);
  void TextOut(int x, int y, std::string_view text);

  // Rectangle (x1, y1)-(x2, y2), right and bottom edges exclusive, with rounded corners of
  // an ellipse cornerW x cornerH: filled with the brush and outlined with the pen.
  void RoundRect(int x1, int y1, int x2, int y2, int cornerW = 32, int cornerH = 32);
  // The ellipse inscribed in (x1, y1)-(x2, y2), filled with the brush and outlined with the pen.
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  // A pen line from (x1, y1) to (x2, y2), the end point excluded.
  void Line(int x1, int y1, int x2, int y2);
  // A brush fill of the rectangle, ignoring the brush style.
  void FillRect(const TRect& r);

 private:
  TSurface* surface_ = nullptr;
  std::string fontPath_;
  std::unique_ptr<TGlyphCache> glyphs_;
  TGlyphCache& Glyphs();
};

// The canvas of the back surface, ready for text; ReleaseCanvas ends its use.
TTextCanvas& SurfaceCanvas(TTextCanvas& canvas, TSurface& surface);
void ReleaseCanvas(TTextCanvas& canvas);

// Every text of the game is drawn in one bold face; only its size and colour change.
inline void SetGameFont(TTextCanvas& canvas, int size, TColor color) {
  canvas.Font.Name = "Verdana";
  canvas.Font.Size = size;
  canvas.Font.Bold = true;
  canvas.Font.Color = color;
}

}  // namespace sk
