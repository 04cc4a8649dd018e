// The icon built into the game is the 128-pixel icon the install puts on the desktop.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/WindowIcon.h"

namespace sk {
namespace {

TEST(WindowIcon, IsTheDesktopIconPixelForPixel) {
  const TIconPixels icon = DecodeWindowIcon();
  ASSERT_EQ(icon.Width, 128);
  ASSERT_EQ(icon.Height, 128);
  ASSERT_EQ(icon.Rgba.size(), 128u * 128u * 4u);

  png_image file{};
  file.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(
      png_image_begin_read_from_file(&file, SK_SOURCE_DIR "/data/icons/" SK_APP_ID "-128.png"));
  file.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> expected(PNG_IMAGE_SIZE(file));
  ASSERT_TRUE(png_image_finish_read(&file, nullptr, expected.data(), 0, nullptr));
  EXPECT_TRUE(icon.Rgba == expected);

  // A cut corner is see-through, the middle of the plate solid.
  auto alpha = [&](int x, int y) { return icon.Rgba[(y * icon.Width + x) * 4 + 3]; };
  EXPECT_EQ(alpha(0, 0), 0);
  EXPECT_EQ(alpha(127, 127), 0);
  EXPECT_EQ(alpha(64, 64), 255);
}

}  // namespace
}  // namespace sk
