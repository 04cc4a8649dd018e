#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/FileIo.h"
#include "game/render/Bmp.h"

namespace sk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

bool HaveConvert() { return std::system("command -v convert >/dev/null 2>&1") == 0; }

// A small picture of our own with `colours` distinct colours, written as binary PPM.
void WritePpm(const fs::path& path, int w, int h, int colours) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << w << ' ' << h << "\n255\n";
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int k = (x * 7 + y * 3) % colours;
      const unsigned char rgb[3] = {static_cast<unsigned char>(k * 37 % 256),
                                    static_cast<unsigned char>(255 - k * 11 % 256),
                                    static_cast<unsigned char>(k * 97 % 256)};
      out.write(reinterpret_cast<const char*>(rgb), 3);
    }
}

TPicture ReadPpm(const fs::path& path) {
  const Bytes b = *ReadFileBytes(path.string());
  // "P6\n<w> <h>\n255\n" as written by our writer and ImageMagick.
  int w = 0, h = 0, max = 0, used = 0;
  std::sscanf(reinterpret_cast<const char*>(b.data()), "P6 %d %d %d%n", &w, &h, &max, &used);
  TPicture pic(w, h);
  const std::size_t at = static_cast<std::size_t>(used) + 1;
  for (int i = 0; i < w * h; ++i)
    pic.Pixels[i] = TRgb{b[at + 3 * i], b[at + 3 * i + 1], b[at + 3 * i + 2]};
  return pic;
}

class BmpFromImageMagick : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    dir_ = fs::temp_directory_path() / ("sk_bmp_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  // Writes a source picture, has ImageMagick make a BMP of it with `options`, and checks our
  // decoding against ImageMagick's own reading of that BMP. Returns the BMP's bytes.
  Bytes CheckRoundTrip(int colours, const std::string& options, int expectBits) {
    const fs::path src = dir_ / "src.ppm", bmp = dir_ / "out.bmp", back = dir_ / "back.ppm";
    WritePpm(src, 13, 7, colours);
    const std::string make = "convert " + src.string() + " " + options + bmp.string();
    EXPECT_EQ(std::system(make.c_str()), 0) << make;
    EXPECT_EQ(std::system(("convert " + bmp.string() + " -depth 8 PPM:" + back.string()).c_str()), 0);
    const Bytes bytes = *ReadFileBytes(bmp.string());
    EXPECT_EQ(bytes[14] == 12 ? bytes[24] : bytes[28], expectBits) << options;
    const TPicture expected = ReadPpm(back);
    TPicture got;
    try {
      got = DecodeBmp(bytes);
    } catch (const Error& e) {
      ADD_FAILURE() << options << ": " << e.what();
    }
    EXPECT_EQ(got.Width, 13);
    EXPECT_EQ(got.Height, 7);
    EXPECT_TRUE(got.Pixels == expected.Pixels) << options;
    return bytes;
  }

  fs::path dir_;
};

TEST_F(BmpFromImageMagick, EveryBitDepthMatchesPixelForPixel) {
  CheckRoundTrip(2, "-type Bilevel BMP3:", 1);
  CheckRoundTrip(6, "-type Palette BMP3:", 4);
  CheckRoundTrip(40, "-type Palette BMP3:", 8);
  CheckRoundTrip(40, "-type Palette -compress RLE BMP3:", 8);
  CheckRoundTrip(40, "-define bmp:subtype=RGB565 BMP:", 16);
  CheckRoundTrip(40, "-define bmp:subtype=RGB555 BMP:", 16);
  CheckRoundTrip(40, "-type TrueColor BMP3:", 24);
  CheckRoundTrip(40, "-type TrueColor BMP2:", 24);
  CheckRoundTrip(40, "-alpha on BMP:", 32);
}

TEST_F(BmpFromImageMagick, TopDownRowsReadInOrder) {
  Bytes bytes = CheckRoundTrip(40, "-type TrueColor BMP3:", 24);
  const TPicture bottomUp = DecodeBmp(bytes);
  // Turn the file top-down: negative height and the rows in reverse order.
  const std::size_t data = bytes[10] | (bytes[11] << 8);
  const std::size_t stride = (13 * 3 + 3) / 4 * 4;
  Bytes flipped = bytes;
  for (int r = 0; r < 7; ++r)
    std::copy_n(bytes.begin() + data + stride * r, stride, flipped.begin() + data + stride * (6 - r));
  const std::int32_t negative = -7;
  std::memcpy(&flipped[22], &negative, 4);
  EXPECT_TRUE(DecodeBmp(flipped).Pixels == bottomUp.Pixels);
}

// A hand-made 24-bit BMP of w x h with every header field at its usual place.
Bytes MakeBmp(int w, int h, int bits = 24) {
  const std::size_t stride = (static_cast<std::size_t>(w) * bits + 31) / 32 * 4;
  const std::size_t palette = bits <= 8 ? (4u << bits) : 0;
  Bytes b(54 + palette + stride * h, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&b[at], &v, 4); };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(10, static_cast<std::uint32_t>(54 + palette));
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  b[26] = 1;
  b[28] = static_cast<std::uint8_t>(bits);
  return b;
}

void ExpectInvalid(const Bytes& b, const char* what) {
  try {
    DecodeBmp(b);
    ADD_FAILURE() << what << ": decoded";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Bitmap image is not valid") << what;
  }
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) { std::memcpy(&b[at], &v, 4); }

}  // namespace

TEST(Bmp, EmptyStreamIsEmptyPicture) {
  const TPicture p = DecodeBmp({});
  EXPECT_EQ(p.Width, 0);
  EXPECT_EQ(p.Height, 0);
  EXPECT_TRUE(p.Pixels.empty());
}

TEST(Bmp, SoundHandMadeFileDecodes) {
  Bytes b = MakeBmp(2, 2);
  // Bottom row first: blue, green; then the top row: red, white.
  const std::uint8_t rows[] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 0};
  std::copy(std::begin(rows), std::end(rows), b.begin() + 54);
  const TPicture p = DecodeBmp(b);
  EXPECT_EQ(p.At(0, 0), (TRgb{255, 0, 0}));
  EXPECT_EQ(p.At(1, 0), (TRgb{255, 255, 255}));
  EXPECT_EQ(p.At(0, 1), (TRgb{0, 0, 255}));
  EXPECT_EQ(p.At(1, 1), (TRgb{0, 255, 0}));
}

TEST(Bmp, HostileHeadersAreRefused) {
  ExpectInvalid(Bytes{'P', 'K', 3, 4}, "not BM");
  ExpectInvalid(Bytes{'B', 'M'}, "magic only");
  Bytes b = MakeBmp(4, 4);
  ExpectInvalid(Bytes(b.begin(), b.begin() + 40), "header cut short");
  ExpectInvalid(Bytes(b.begin(), b.end() - 1), "pixel data one byte short");

  Bytes huge = MakeBmp(4, 4);
  Put32(huge, 18, 1000000);
  Put32(huge, 22, 1000000);
  ExpectInvalid(huge, "a million squared");
  Bytes wideShort = MakeBmp(4, 4);
  Put32(wideShort, 18, 16000);
  ExpectInvalid(wideShort, "size within caps but data missing");
  Bytes negWidth = MakeBmp(4, 4);
  Put32(negWidth, 18, 0xFFFFFFFC);
  ExpectInvalid(negWidth, "negative width");
  Bytes minHeight = MakeBmp(4, 4);
  Put32(minHeight, 22, 0x80000000u);
  ExpectInvalid(minHeight, "most negative height");
  Bytes zero = MakeBmp(4, 4);
  Put32(zero, 18, 0);
  ExpectInvalid(zero, "zero width");

  Bytes bits = MakeBmp(4, 4);
  bits[28] = 7;
  ExpectInvalid(bits, "7 bits per pixel");
  Bytes planes = MakeBmp(4, 4);
  planes[26] = 2;
  ExpectInvalid(planes, "two planes");
  Bytes offset = MakeBmp(4, 4);
  Put32(offset, 10, 0xFFFFFFF0u);
  ExpectInvalid(offset, "data offset past the end");
  Bytes info = MakeBmp(4, 4);
  Put32(info, 14, 0x7FFFFFFF);
  ExpectInvalid(info, "info header larger than the file");
  Bytes comp = MakeBmp(4, 4);
  Put32(comp, 30, 4);  // JPEG inside a BMP
  ExpectInvalid(comp, "embedded JPEG");

  Bytes palette = MakeBmp(4, 4, 4);
  Put32(palette, 46, 17);  // 17 colours for a 4-bit picture
  ExpectInvalid(palette, "palette beyond the bit depth");
  Bytes bigPalette = MakeBmp(4, 4, 8);
  Put32(bigPalette, 46, 0xFFFFFFFFu);
  ExpectInvalid(bigPalette, "palette count of four billion");
}

TEST(Bmp, DamagedRleIsRefused) {
  // w x 2, 8-bit RLE with a two-colour palette.
  auto rle = [](std::initializer_list<std::uint8_t> data, int w = 4) {
    Bytes b = MakeBmp(w, 2, 8);
    b.resize(54 + 1024);
    Put32(b, 30, 1);
    Put32(b, 46, 2);
    b[54 + 4 + 2] = 255;  // colour 1 is red
    b.insert(b.end(), data);
    return b;
  };
  const TPicture ok = DecodeBmp(rle({4, 1, 0, 0, 0, 2, 2, 0, 1, 1, 0, 1}));
  EXPECT_EQ(ok.At(0, 1), (TRgb{255, 0, 0}));  // the first row written is the bottom one
  EXPECT_EQ(ok.At(3, 1), (TRgb{255, 0, 0}));
  EXPECT_EQ(ok.At(0, 0), (TRgb{0, 0, 0}));
  EXPECT_EQ(ok.At(2, 0), (TRgb{255, 0, 0}));

  // Encoders may spell out a row's padding as pixels: 3 pixels pad to 4, and no further.
  EXPECT_EQ(DecodeBmp(rle({4, 1, 0, 0, 4, 1, 0, 1}, 3)).At(2, 0), (TRgb{255, 0, 0}));
  ExpectInvalid(rle({5, 1, 0, 1}, 3), "run past the padded row");
  ExpectInvalid(rle({0, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1}), "absolute run past the row");
  ExpectInvalid(rle({0, 2, 9, 0, 0, 1}), "delta out of the picture");
  ExpectInvalid(rle({0, 0, 0, 0, 0, 0, 1, 1, 0, 1}), "rows past the top");
  ExpectInvalid(rle({4, 1}), "no end of bitmap");
  ExpectInvalid(rle({0, 4, 1}), "absolute run cut short");
}

// No picture of more than 2048 x 2048 pixels, whatever its data; a picture that is only an
// end of bitmap at the cap still decodes (black).
TEST(Bmp, PicturesAreCappedAt2048By2048Pixels) {
  auto eob_only = [](int w, int h, int bits) {
    Bytes b = MakeBmp(1, 1, bits);
    b.resize(54 + (4u << bits));
    Put32(b, 18, static_cast<std::uint32_t>(w));
    Put32(b, 22, static_cast<std::uint32_t>(h));
    Put32(b, 30, bits == 8 ? 1 : 2);
    b.insert(b.end(), {0, 1});
    return b;
  };
  const TPicture cap = DecodeBmp(eob_only(2048, 2048, 8));
  EXPECT_EQ(cap.Width, 2048);
  EXPECT_EQ(cap.At(2047, 2047), (TRgb{0, 0, 0}));
  EXPECT_EQ(DecodeBmp(eob_only(4096, 1024, 4)).Width, 4096);
  ExpectInvalid(eob_only(2048, 2049, 8), "one row past the cap");
  ExpectInvalid(eob_only(8192, 8192, 8), "8192 squared, only an end of bitmap");
  ExpectInvalid(eob_only(5333, 5333, 4), "RLE4 of 28 million pixels");
  Bytes header_only = MakeBmp(1, 1);
  header_only.resize(58);
  Put32(header_only, 18, 2048);
  Put32(header_only, 22, 2048);
  ExpectInvalid(header_only, "2048 squared, four bytes of data");
}

}  // namespace sk
