#pragma once
#include <jpeglib.h>
#include <stdlib.h>

#include <cstdint>
#include <vector>

#include "game/render/Picture.h"

namespace sk::test {

// A JPEG of `picture` made with libjpeg's own compressor, for tests and benchmarks that need
// backgrounds without files on disk.
inline std::vector<std::uint8_t> EncodeJpeg(const TPicture& picture, int quality = 95,
                                            bool progressive = false) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(picture.Width);
  cinfo.image_height = static_cast<JDIMENSION>(picture.Height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    auto* row = const_cast<JSAMPLE*>(
        reinterpret_cast<const JSAMPLE*>(&picture.At(0, static_cast<int>(cinfo.next_scanline))));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> bytes(out, out + size);
  jpeg_destroy_compress(&cinfo);
  free(out);
  return bytes;
}

}  // namespace sk::test
