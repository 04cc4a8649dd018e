#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace sk {

// One rasterised glyph: its coverage (0-255 per pixel) and where it sits against the pen.
struct TGlyph {
  int Width = 0;
  int Rows = 0;
  int Left = 0;     // from the pen position to the bitmap's left edge
  int Top = 0;      // from the baseline up to the bitmap's top edge
  int Advance = 0;  // whole pixels to the next pen position
  std::vector<std::uint8_t> Coverage;
};

struct TFontMetrics {
  int Ascent = 0;
  int Height = 0;
};

// Glyphs of the shipped face, rendered by FreeType on first use and kept per size.
class TGlyphCacheImpl;
struct TGlyphCache {
  explicit TGlyphCache(const std::string& fontPath);  // throws "Cannot open file <path>"
  ~TGlyphCache();
  TGlyphCache(const TGlyphCache&) = delete;
  TGlyphCache& operator=(const TGlyphCache&) = delete;

  // Sizes are in points at 96 dpi.
  const TGlyph& Glyph(int points, char32_t codePoint);
  TFontMetrics Metrics(int points);

 private:
  std::unique_ptr<TGlyphCacheImpl> impl_;
};

}  // namespace sk
