#include "tools/skview/Canvas.h"

#include <array>
#include <cstdlib>

namespace sk {
namespace {

// 3 x 5 glyphs, one row per entry, the leftmost column in bit 2.
struct TGlyph {
  char Char;
  std::array<unsigned char, 5> Rows;
};

constexpr std::array<TGlyph, 12> kGlyphs = {{
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}},
    {'3', {7, 1, 7, 1, 7}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}},
    {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 2, 2}}, {'8', {7, 5, 7, 5, 7}},
    {'9', {7, 5, 7, 1, 7}}, {'F', {7, 4, 6, 4, 4}}, {'P', {7, 5, 7, 4, 4}},
}};

const TGlyph* FindGlyph(char c) {
  for (const TGlyph& g : kGlyphs) {
    if (g.Char == c) return &g;
  }
  return nullptr;
}

void Square(TCanvas& canvas, int x, int y, int size, TRgb colour) {
  for (int dy = 0; dy < size; ++dy) {
    for (int dx = 0; dx < size; ++dx) canvas.Plot(x + dx, y + dy, colour);
  }
}

void Glyphs(TCanvas& canvas, int x, int y, std::string_view text, TRgb colour, int scale) {
  for (char c : text) {
    if (const TGlyph* g = FindGlyph(c)) {
      for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
          if (g->Rows[row] & (4 >> col)) {
            Square(canvas, x + col * scale, y + row * scale, scale, colour);
          }
        }
      }
    }
    x += 4 * scale;
  }
}

}  // namespace

void TCanvas::Plot(int x, int y, TRgb colour) {
  if (Picture.Contains(x - Left, y - Top)) Picture.At(x - Left, y - Top) = colour;
}

void TCanvas::Blend(int x, int y, TRgb colour) {
  if (!Picture.Contains(x - Left, y - Top)) return;
  TRgb& p = Picture.At(x - Left, y - Top);
  p = TRgb{static_cast<std::uint8_t>((p.R + colour.R) / 2),
           static_cast<std::uint8_t>((p.G + colour.G) / 2),
           static_cast<std::uint8_t>((p.B + colour.B) / 2)};
}

void TCanvas::Blit(const TPicture& picture) {
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) Plot(x, y, picture.At(x, y));
  }
}

void TCanvas::Line(int x0, int y0, int x1, int y1, TRgb colour, int thickness) {
  // Bresenham; long lines from far off-canvas points cost at most their length in steps.
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  const int half = thickness / 2;
  for (;;) {
    Square(*this, x0 - half, y0 - half, thickness, colour);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void TCanvas::Disc(int cx, int cy, int radius, TRgb colour) {
  for (int y = -radius; y <= radius; ++y) {
    for (int x = -radius; x <= radius; ++x) {
      if (x * x + y * y <= radius * radius) Plot(cx + x, cy + y, colour);
    }
  }
}

void TCanvas::Ring(int cx, int cy, int radius, TRgb colour) {
  const int inner = (radius - 2) * (radius - 2);
  for (int y = -radius; y <= radius; ++y) {
    for (int x = -radius; x <= radius; ++x) {
      const int d = x * x + y * y;
      if (d <= radius * radius && d > inner) Plot(cx + x, cy + y, colour);
    }
  }
}

void TCanvas::Label(int x, int y, std::string_view text, TRgb colour, int scale) {
  for (int oy = -1; oy <= 1; ++oy) {
    for (int ox = -1; ox <= 1; ++ox) Glyphs(*this, x + ox, y + oy, text, TRgb{}, scale);
  }
  Glyphs(*this, x, y, text, colour, scale);
}

}  // namespace sk
