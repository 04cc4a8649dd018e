#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "MapTestFiles.h"
#include "game/maps/JpegDecoder.h"

namespace sk {
namespace {

using test::EncodeJpeg;

TPicture Squares(int w, int h) {
  TPicture p(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      p.At(x, y) = ((x / 16 + y / 16) % 2) ? TRgb{200, 40, 40} : TRgb{20, 60, 220};
    }
  }
  return p;
}

bool Near(TRgb a, TRgb b) {
  return std::abs(a.R - b.R) < 24 && std::abs(a.G - b.G) < 24 && std::abs(a.B - b.B) < 24;
}

TEST(JpegDecoder, BaselineAndProgressiveKeepTheirColours) {
  const TPicture source = Squares(64, 48);
  for (bool progressive : {false, true}) {
    const auto picture = DecodeJpeg(EncodeJpeg(source, 95, progressive));
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->Width, 64);
    ASSERT_EQ(picture->Height, 48);
    EXPECT_TRUE(Near(picture->At(4, 4), source.At(4, 4)));
    EXPECT_TRUE(Near(picture->At(20, 4), source.At(20, 4)));
    EXPECT_TRUE(Near(picture->At(60, 44), source.At(60, 44)));
  }
}

TEST(JpegDecoder, WarningsAreAcceptedErrorsAreNot) {
  std::vector<std::uint8_t> jpeg = EncodeJpeg(Squares(32, 32));
  // Stray bytes after the first segment, where a marker is due.
  const std::size_t app0_end = 4 + (jpeg[4] << 8 | jpeg[5]);
  std::vector<std::uint8_t> stray = jpeg;
  stray.insert(stray.begin() + static_cast<long>(app0_end), {0x12, 0x34, 0x56});
  EXPECT_TRUE(DecodeJpeg(stray).has_value());
  // Cut off inside the picture data: the decoder fills the rest and warns.
  TPicture noise(64, 64);
  unsigned seed = 7;
  for (TRgb& p : noise.Pixels) {
    seed = seed * 1103515245u + 12345u;
    p = TRgb{static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 16), 0};
  }
  const std::vector<std::uint8_t> noisy = EncodeJpeg(noise);
  std::vector<std::uint8_t> cut(noisy.begin(), noisy.begin() + static_cast<long>(noisy.size() / 2));
  EXPECT_TRUE(DecodeJpeg(cut).has_value());

  EXPECT_FALSE(DecodeJpeg({}).has_value());
  EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>{0xFF, 0xD8}).has_value());
  EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>(500, 0xAB)).has_value());
  // Cut inside the headers.
  EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 30)).has_value());
}

TEST(JpegDecoder, SidesAreCapped) {
  EXPECT_TRUE(DecodeJpeg(EncodeJpeg(TPicture(kMaxJpegSide, 8), 50)).has_value());
  EXPECT_FALSE(DecodeJpeg(EncodeJpeg(TPicture(kMaxJpegSide + 1, 8), 50)).has_value());
  EXPECT_FALSE(DecodeJpeg(EncodeJpeg(TPicture(8, kMaxJpegSide + 1), 50)).has_value());
}

// A progressive JPEG whose first scan is repeated `copies` more times. Each repeat only
// earns a warning, so nothing but the scan limit stops such a file.
std::vector<std::uint8_t> WithRepeatedFirstScan(int copies, int* scans) {
  const std::vector<std::uint8_t> jpeg = EncodeJpeg(Squares(16, 16), 90, true);
  auto is_marker = [&](std::size_t i, std::uint8_t code) {
    return i + 1 < jpeg.size() && jpeg[i] == 0xFF && jpeg[i + 1] == code;
  };
  std::size_t first = 0;
  while (!is_marker(first, 0xDA)) ++first;
  std::size_t second = first + 2;
  while (!is_marker(second, 0xDA)) ++second;
  *scans = 0;
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) *scans += is_marker(i, 0xDA);
  std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + static_cast<long>(second));
  for (int c = 0; c < copies; ++c) {
    out.insert(out.end(), jpeg.begin() + static_cast<long>(first),
               jpeg.begin() + static_cast<long>(second));
  }
  out.insert(out.end(), jpeg.begin() + static_cast<long>(second), jpeg.end());
  *scans += copies;
  return out;
}

TEST(JpegDecoder, ScansAreCapped) {
  int scans = 0;
  const std::vector<std::uint8_t> base = WithRepeatedFirstScan(0, &scans);
  const int room = kMaxJpegScans - scans;
  ASSERT_GT(room, 0);
  EXPECT_TRUE(DecodeJpeg(WithRepeatedFirstScan(room, &scans)).has_value());
  EXPECT_EQ(scans, kMaxJpegScans);
  EXPECT_FALSE(DecodeJpeg(WithRepeatedFirstScan(room + 1, &scans)).has_value());
  EXPECT_FALSE(DecodeJpeg(WithRepeatedFirstScan(5000, &scans)).has_value());
}

// The JPEG with its frame header claiming `width` x `height`: the data then covers only the
// first blocks, which the decoder accepts with a warning.
std::vector<std::uint8_t> Claiming(std::vector<std::uint8_t> jpeg, int width, int height) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); i += 2 + (jpeg[i + 2] << 8 | jpeg[i + 3])) {
    if (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2) {
      jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<std::uint8_t>(height);
      jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<std::uint8_t>(width);
      return jpeg;
    }
  }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

TEST(JpegDecoder, PicturesAreCappedAt2048By2048PixelsFromTheHeader) {
  for (bool progressive : {false, true}) {
    const std::vector<std::uint8_t> small = EncodeJpeg(Squares(16, 16), 90, progressive);
    const auto cap = DecodeJpeg(Claiming(small, 2048, 2048));
    ASSERT_TRUE(cap.has_value()) << progressive;
    EXPECT_EQ(cap->Width, 2048);
    EXPECT_TRUE(DecodeJpeg(Claiming(small, 4096, 1024)).has_value());
    EXPECT_FALSE(DecodeJpeg(Claiming(small, 2048, 2049)).has_value());
    EXPECT_FALSE(DecodeJpeg(Claiming(small, 8192, 8192)).has_value());
  }
}

}  // namespace
}  // namespace sk
