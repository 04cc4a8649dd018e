#include "game/render/BmpHeader.h"

namespace sk::bmp {
namespace {

// Walks RLE8/RLE4 data. Rows run bottom-up; pixels the data skips stay black. Encoders may
// spell out a row's padding as pixels, so runs may reach the padded row width (those pixels
// are dropped); any run beyond it, or past the picture, makes the whole bitmap invalid.
class TRleDecoder {
 public:
  TRleDecoder(const TBmpHeader& h, std::span<const std::uint8_t> data, TPicture& pic)
      : h_(h), data_(data), pic_(pic), four_(h.Compression == kRle4),
        rowLimit_(static_cast<int>((static_cast<long long>(h.Width) * h.BitCount + 31) / 32 * 32 /
                                   h.BitCount)) {}

  void Run() {
    for (;;) {
      const std::uint8_t count = Next();
      const std::uint8_t value = Next();
      if (count > 0) {
        Repeat(count, value);
      } else if (value == 0) {  // end of line
        x_ = 0;
        ++row_;
      } else if (value == 1) {  // end of bitmap
        return;
      } else if (value == 2) {  // delta
        const std::uint8_t dx = Next();
        const std::uint8_t dy = Next();
        x_ += dx;
        row_ += dy;
        if (x_ > h_.Width || row_ > h_.Height) Invalid();
      } else {
        Absolute(value);
      }
    }
  }

 private:
  const TBmpHeader& h_;
  std::span<const std::uint8_t> data_;
  TPicture& pic_;
  bool four_;
  int rowLimit_;
  std::size_t pos_ = 0;
  int x_ = 0;
  int row_ = 0;

  std::uint8_t Next() {
    if (pos_ >= data_.size()) Invalid();
    return data_[pos_++];
  }

  void Put(unsigned index) {
    if (x_ >= rowLimit_ || row_ >= h_.Height) Invalid();
    if (x_ < h_.Width)
      pic_.At(x_, h_.Height - 1 - row_) = index < h_.Palette.size() ? h_.Palette[index] : TRgb{};
    ++x_;
  }

  void Repeat(int count, std::uint8_t value) {
    for (int i = 0; i < count; ++i) Put(four_ ? ((i & 1) ? value & 0x0F : value >> 4) : value);
  }

  void Absolute(int count) {
    const int bytes = four_ ? (count + 1) / 2 : count;
    for (int i = 0; i < count; ++i) {
      const std::uint8_t b = four_ ? PeekByte(i / 2) : PeekByte(i);
      Put(four_ ? ((i & 1) ? b & 0x0F : b >> 4) : b);
    }
    pos_ += bytes + (bytes & 1);  // absolute runs are padded to a 16-bit boundary
    if (pos_ > data_.size()) Invalid();
  }

  std::uint8_t PeekByte(int offset) {
    if (pos_ + offset >= data_.size()) Invalid();
    return data_[pos_ + offset];
  }
};

}  // namespace

void DecodeRle(const TBmpHeader& header, std::span<const std::uint8_t> data, TPicture& picture) {
  TRleDecoder(header, data, picture).Run();
}

}  // namespace sk::bmp
