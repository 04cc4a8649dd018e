#include "game/render/GlyphCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "common/Error.h"
#include "common/FileIo.h"

namespace sk {
namespace {

constexpr int kDpi = 96;
// Sizes outside this range are clamped: nothing in the game goes near them, and FreeType
// should never be asked for a glyph bigger than the screen.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 200;
constexpr std::size_t kMaxFontBytes = 64u << 20;

int ClampPoints(int points) { return std::clamp(points, kMinPoints, kMaxPoints); }

}  // namespace

class TGlyphCacheImpl {
 public:
  explicit TGlyphCacheImpl(const std::string& path) {
    auto bytes = ReadFileBytes(path, kMaxFontBytes);
    if (!bytes) throw Error("Cannot open file " + path);
    fontBytes_ = std::move(*bytes);
    if (FT_Init_FreeType(&library_) != 0) throw Error("Cannot open file " + path);
    if (FT_New_Memory_Face(library_, fontBytes_.data(), static_cast<FT_Long>(fontBytes_.size()), 0,
                           &face_) != 0) {
      FT_Done_FreeType(library_);
      throw Error("Cannot open file " + path);
    }
  }
  ~TGlyphCacheImpl() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
  }

  const TGlyph& Glyph(int points, char32_t codePoint) {
    points = ClampPoints(points);
    const std::uint64_t key = (static_cast<std::uint64_t>(points) << 32) | codePoint;
    auto it = glyphs_.find(key);
    if (it != glyphs_.end()) return it->second;
    return glyphs_.emplace(key, Render(points, codePoint)).first->second;
  }

  TFontMetrics Metrics(int points) {
    points = ClampPoints(points);
    auto it = metrics_.find(points);
    if (it != metrics_.end()) return it->second;
    SetSize(points);
    const FT_Size_Metrics& m = face_->size->metrics;
    TFontMetrics result{static_cast<int>((m.ascender + 32) >> 6),
                        static_cast<int>((m.height + 32) >> 6)};
    metrics_.emplace(points, result);
    return result;
  }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  std::vector<std::uint8_t> fontBytes_;
  int currentPoints_ = 0;
  std::unordered_map<std::uint64_t, TGlyph> glyphs_;
  std::unordered_map<int, TFontMetrics> metrics_;

  void SetSize(int points) {
    if (points == currentPoints_) return;
    FT_Set_Char_Size(face_, 0, points * 64, kDpi, kDpi);
    currentPoints_ = points;
  }

  TGlyph Render(int points, char32_t codePoint) {
    SetSize(points);
    TGlyph g;
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return g;
    FT_GlyphSlot slot = face_->glyph;
    g.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return g;
    g.Width = static_cast<int>(bm.width);
    g.Rows = static_cast<int>(bm.rows);
    g.Left = slot->bitmap_left;
    g.Top = slot->bitmap_top;
    g.Coverage.resize(static_cast<std::size_t>(g.Width) * g.Rows);
    for (int y = 0; y < g.Rows; ++y) {
      const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
      std::copy(row, row + g.Width, g.Coverage.begin() + static_cast<std::ptrdiff_t>(y) * g.Width);
    }
    return g;
  }
};

TGlyphCache::TGlyphCache(const std::string& fontPath)
    : impl_(std::make_unique<TGlyphCacheImpl>(fontPath)) {}
TGlyphCache::~TGlyphCache() = default;
const TGlyph& TGlyphCache::Glyph(int points, char32_t codePoint) {
  return impl_->Glyph(points, codePoint);
}
TFontMetrics TGlyphCache::Metrics(int points) { return impl_->Metrics(points); }

}  // namespace sk
