#pragma once
#include <cstdint>
#include <vector>

#include "common/ByteWriter.h"
#include "game/render/Picture.h"

namespace sk::test {

// An uncompressed bottom-up 24-bit BMP of `picture`, for tests that need pictures and masks
// without files on disk.
inline std::vector<std::uint8_t> EncodeBmp(const TPicture& picture) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(picture.Width) * 3 + 3) & ~3u;
  const std::uint32_t data_size = stride * static_cast<std::uint32_t>(picture.Height);
  ByteWriter w;
  w.Text("BM");
  w.U32(54 + data_size);
  w.U32(0);
  w.U32(54);
  w.U32(40);
  w.I32(picture.Width);
  w.I32(picture.Height);
  w.U16(1);
  w.U16(24);
  w.U32(0);
  w.U32(data_size);
  w.U32(2835);
  w.U32(2835);
  w.U32(0);
  w.U32(0);
  for (int y = picture.Height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width; ++x) {
      const TRgb p = picture.At(x, y);
      w.U8(p.B);
      w.U8(p.G);
      w.U8(p.R);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(picture.Width) * 3; pad < stride; ++pad) {
      w.U8(0);
    }
  }
  return w.Take();
}

}  // namespace sk::test
