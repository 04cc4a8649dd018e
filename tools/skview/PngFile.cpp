#include "tools/skview/PngFile.h"

#include <png.h>

#include <csetjmp>

namespace sk {
namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

// libpng reports errors by jumping back here; no local with a destructor lives in this frame.
bool Write(png_structp png, png_infop info, const TPicture* picture,
           std::vector<std::uint8_t>* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, Append, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture->Width),
               static_cast<png_uint_32>(picture->Height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture->Height; ++y) {
    auto* row = const_cast<png_bytep>(reinterpret_cast<const png_byte*>(&picture->At(0, y)));
    png_write_row(png, row);
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const TPicture& picture) {
  static_assert(sizeof(TRgb) == 3, "PNG rows are packed RGB");
  if (picture.Empty()) return std::nullopt;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  std::vector<std::uint8_t> out;
  const bool written = info != nullptr && Write(png, info, &picture, &out);
  png_destroy_write_struct(&png, &info);
  if (!written) return std::nullopt;
  return out;
}

}  // namespace sk
