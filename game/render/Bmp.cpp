#include "game/render/Bmp.h"

#include <array>
#include <cstring>
#include <memory>

#include "game/render/BmpHeader.h"

namespace sk {
namespace {

using bmp::TBmpHeader;
using bmp::TChannelMask;

std::uint8_t Channel(std::uint32_t pixel, const TChannelMask& m) {
  if (m.Bits == 0) return 0;
  const std::uint32_t v = (pixel & m.Mask) >> m.Shift;
  if (m.Bits >= 8) return static_cast<std::uint8_t>(v >> (m.Bits - 8));
  // Repeat the channel's bits down the byte, so full scale stays full (31 -> 255 in 5 bits).
  std::uint32_t wide = 0;
  for (int pos = 8 - m.Bits; pos > -m.Bits; pos -= m.Bits) wide |= pos >= 0 ? v << pos : v >> -pos;
  return static_cast<std::uint8_t>(wide);
}

// The palette padded to 256 entries: an index past a short palette reads as black rather
// than being a reason to refuse the picture, and every lookup below needs no check.
using TPaletteTable = std::array<TRgb, 256>;

TPaletteTable PaletteTable(const TBmpHeader& h) {
  TPaletteTable table{};
  for (std::size_t i = 0; i < h.Palette.size() && i < table.size(); ++i) table[i] = h.Palette[i];
  return table;
}

// Masks are 1-bit pictures of a whole screen: expand them a byte (eight pixels) at a time.
using TByteExpansion = std::array<std::array<TRgb, 8>, 256>;

std::unique_ptr<TByteExpansion> ByteExpansion(const TPaletteTable& palette) {
  auto table = std::make_unique<TByteExpansion>();
  for (int b = 0; b < 256; ++b)
    for (int k = 0; k < 8; ++k) (*table)[b][k] = palette[(b >> (7 - k)) & 1];
  return table;
}

void DecodeIndexedRow(int bits, const TPaletteTable& palette, const std::uint8_t* src, int w,
                      TRgb* out) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  int x = 0;
  for (; x + perByte <= w; x += perByte, ++src)  // whole bytes: the masks' common case
    for (int k = 0; k < perByte; ++k) out[x + k] = palette[(*src >> (8 - bits * (k + 1))) & mask];
  for (int k = 0; x < w; ++x, ++k) out[x] = palette[(*src >> (8 - bits * (k + 1))) & mask];
}

void DecodeRow(const TBmpHeader& h, const TPaletteTable& palette, const std::uint8_t* src,
               TRgb* out) {
  const int w = h.Width;
  switch (h.BitCount) {
    case 1:
    case 4:
    case 8:
      DecodeIndexedRow(h.BitCount, palette, src, w, out);
      break;
    case 16:
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = src[2 * x] | (src[2 * x + 1] << 8);
        out[x] = TRgb{Channel(p, h.Masks[0]), Channel(p, h.Masks[1]), Channel(p, h.Masks[2])};
      }
      break;
    case 24:
      for (int x = 0; x < w; ++x) out[x] = TRgb{src[3 * x + 2], src[3 * x + 1], src[3 * x]};
      break;
    case 32:
      for (int x = 0; x < w; ++x) {
        const std::uint8_t* s = src + 4 * x;
        const std::uint32_t p = s[0] | (s[1] << 8) | (s[2] << 16) | (std::uint32_t{s[3]} << 24);
        out[x] = TRgb{Channel(p, h.Masks[0]), Channel(p, h.Masks[1]), Channel(p, h.Masks[2])};
      }
      break;
  }
}

void DecodeUncompressed(const TBmpHeader& h, std::span<const std::uint8_t> data, TPicture& pic) {
  const std::size_t stride = bmp::RowStride(h);
  const TPaletteTable palette = PaletteTable(h);
  const auto expansion = h.BitCount == 1 ? ByteExpansion(palette) : nullptr;
  for (int row = 0; row < h.Height; ++row) {
    const int y = h.TopDown ? row : h.Height - 1 - row;
    const std::uint8_t* src = data.data() + stride * row;
    TRgb* out = &pic.At(0, y);
    if (!expansion) {
      DecodeRow(h, palette, src, out);
      continue;
    }
    const int whole = h.Width / 8;
    for (int i = 0; i < whole; ++i)
      std::memcpy(out + 8 * i, (*expansion)[src[i]].data(), sizeof(TRgb) * 8);
    for (int x = whole * 8; x < h.Width; ++x) out[x] = (*expansion)[src[whole]][x & 7];
  }
}

}  // namespace

TPicture DecodeBmp(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return TPicture();
  const TBmpHeader h = bmp::ReadBmpHeader(bytes);
  TPicture picture(h.Width, h.Height);
  const auto data = bytes.subspan(h.DataOffset);
  if (h.Compression == bmp::kRle8 || h.Compression == bmp::kRle4) {
    bmp::DecodeRle(h, data, picture);
  } else {
    DecodeUncompressed(h, data, picture);
  }
  return picture;
}

}  // namespace sk
