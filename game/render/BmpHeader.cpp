#include "game/render/BmpHeader.h"

#include <bit>

#include "common/Error.h"
#include "game/render/Bmp.h"

namespace sk::bmp {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

std::uint32_t U32At(std::span<const std::uint8_t> b, std::size_t at) {
  if (at > b.size() || b.size() - at < 4) Invalid();
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) |
         (std::uint32_t{b[at + 2]} << 16) | (std::uint32_t{b[at + 3]} << 24);
}

std::uint16_t U16At(std::span<const std::uint8_t> b, std::size_t at) {
  if (at > b.size() || b.size() - at < 2) Invalid();
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TChannelMask MakeMask(std::uint32_t mask) {
  TChannelMask m;
  m.Mask = mask;
  if (mask == 0) return m;
  m.Shift = std::countr_zero(mask);
  m.Bits = std::popcount(mask);
  // Channel bits must be one contiguous run.
  if ((mask >> m.Shift) != (m.Bits == 32 ? 0xFFFFFFFFu : ((1u << m.Bits) - 1))) Invalid();
  return m;
}

void SetDefaultMasks(TBmpHeader& h) {
  if (h.BitCount == 16) {
    h.Masks = {MakeMask(0x7C00), MakeMask(0x03E0), MakeMask(0x001F)};
  } else if (h.BitCount == 32) {
    h.Masks = {MakeMask(0xFF0000), MakeMask(0x00FF00), MakeMask(0x0000FF)};
  }
}

void ReadMasks(std::span<const std::uint8_t> b, std::size_t at, TBmpHeader& h) {
  h.Masks = {MakeMask(U32At(b, at)), MakeMask(U32At(b, at + 4)), MakeMask(U32At(b, at + 8))};
  if ((h.Masks[0].Mask & h.Masks[1].Mask) || (h.Masks[0].Mask & h.Masks[2].Mask) ||
      (h.Masks[1].Mask & h.Masks[2].Mask))
    Invalid();
  if (h.BitCount == 16 && ((h.Masks[0].Mask | h.Masks[1].Mask | h.Masks[2].Mask) >> 16)) Invalid();
}

bool ValidCombination(int bits, std::uint32_t compression) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
    case kAlphaBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

void ReadPalette(std::span<const std::uint8_t> b, std::size_t at, std::size_t entrySize,
                 std::uint32_t colorsUsed, TBmpHeader& h) {
  const std::uint32_t most = 1u << h.BitCount;
  if (colorsUsed > most) Invalid();
  const std::uint32_t count = colorsUsed == 0 ? most : colorsUsed;
  if (at > b.size() || (b.size() - at) / entrySize < count) Invalid();
  h.Palette.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* e = b.data() + at + i * entrySize;
    h.Palette[i] = TRgb{e[2], e[1], e[0]};
  }
}

}  // namespace

void Invalid() { throw Error(kBitmapNotValid); }

TBmpHeader ReadBmpHeader(std::span<const std::uint8_t> b) {
  if (b.size() < kFileHeaderSize + 12 || b[0] != 'B' || b[1] != 'M') Invalid();
  TBmpHeader h;
  h.DataOffset = U32At(b, 10);
  const std::uint32_t infoSize = U32At(b, kFileHeaderSize);
  const bool core = infoSize == 12;
  if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 &&
      infoSize != 108 && infoSize != 124)
    Invalid();
  if (b.size() - kFileHeaderSize < infoSize) Invalid();

  std::int64_t width, height;
  std::uint32_t colorsUsed = 0;
  if (core) {
    width = U16At(b, 18);
    height = static_cast<std::int16_t>(U16At(b, 20));
    if (U16At(b, 22) != 1) Invalid();
    h.BitCount = U16At(b, 24);
  } else {
    width = static_cast<std::int32_t>(U32At(b, 18));
    height = static_cast<std::int32_t>(U32At(b, 22));
    if (U16At(b, 26) != 1) Invalid();
    h.BitCount = U16At(b, 28);
    h.Compression = U32At(b, 30);
    colorsUsed = U32At(b, 46);
  }
  if (height < 0) {
    h.TopDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      static_cast<std::size_t>(width * height) > kMaxPicturePixels)
    Invalid();
  h.Width = static_cast<int>(width);
  h.Height = static_cast<int>(height);
  if (!ValidCombination(h.BitCount, h.Compression)) Invalid();
  if (h.TopDown && (h.Compression == kRle8 || h.Compression == kRle4)) Invalid();

  std::size_t tableAt = kFileHeaderSize + infoSize;
  SetDefaultMasks(h);
  if (h.Compression == kBitFields || h.Compression == kAlphaBitFields) {
    if (infoSize >= 52) {
      ReadMasks(b, kFileHeaderSize + 40, h);
    } else {
      ReadMasks(b, tableAt, h);
      tableAt += h.Compression == kAlphaBitFields ? 16 : 12;
    }
  }
  if (h.BitCount <= 8) ReadPalette(b, tableAt, core ? 3 : 4, colorsUsed, h);
  if (h.DataOffset < kFileHeaderSize + infoSize || h.DataOffset > b.size()) Invalid();
  // Uncompressed pixels must all be there before the picture is allocated.
  const bool rle = h.Compression == kRle8 || h.Compression == kRle4;
  if (!rle && (b.size() - h.DataOffset) / RowStride(h) < static_cast<std::size_t>(h.Height)) {
    Invalid();
  }
  return h;
}

}  // namespace sk::bmp
