#include <gtest/gtest.h>

#include "common/Error.h"
#include "game/render/ImageList.h"
#include "render/RenderTestSupport.h"

namespace sk {

TEST(ImageList, FindIgnoresCaseAndTakesTheLastAdded) {
  TImageList list;
  AddImage(list, "Cursor.bmp", test::Solid(1, 1, 0x111111), true, 0, false);
  AddImage(list, "Other.bmp", TPicture(), true, 0, false);
  AddImage(list, "CURSOR.BMP", test::Solid(2, 2, 0x222222), true, 0, false);
  EXPECT_EQ(FindImage(list, "cursor.bmp").Picture.Width, 2);
  const TImageList& constList = list;
  EXPECT_EQ(&FindImage(constList, "Other.BMP"), list.Images[1].get());
  try {
    FindImage(list, "Missing.bmp");
    ADD_FAILURE() << "found a missing image";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Image 'Missing.bmp' not found");
  }
  ClearImages(list);
  EXPECT_THROW(FindImage(list, "Cursor.bmp"), Error);
}

TEST(ImageList, NewImageDefaultsAndEmptyBitmap) {
  TImageList list;
  TImage& image = AddImage(list, "Map_Mask.bmp", std::span<const std::uint8_t>(), true, 0xFF00FF, false);
  EXPECT_TRUE(image.Picture.Empty());
  RestoreImages(list);
  EXPECT_EQ(FrameCount(image), 0);  // an empty picture has no frames to draw
  const std::uint8_t junk[] = {'B', 'M', 1, 2, 3};
  EXPECT_THROW(AddImage(list, "Bad.bmp", junk, true, 0, false), Error);
}

TEST(ImageList, FramesAreCutAlongRowsAndDropTheRemainder) {
  TImageList list;
  TImage& image = AddImage(list, "Models.bmp", TPicture(110, 170), true, 0, false);
  EXPECT_EQ(ImageWidth(image), 110);
  SetFrameWidth(image, 50);
  SetFrameHeight(image, 80);
  EXPECT_EQ(ImageWidth(image), 50);
  EXPECT_EQ(ImageHeight(image), 80);
  EXPECT_EQ(FrameCount(image), 0);  // only a restore cuts frames
  RestoreImages(list);
  ASSERT_EQ(FrameCount(image), 4);  // 2 across, 2 down; 10 and 10 pixels left over
  EXPECT_EQ(image.Frames[1], (TRect{50, 0, 100, 80}));
  EXPECT_EQ(image.Frames[2], (TRect{0, 80, 50, 160}));
  SetFrameWidth(image, 200);  // wider than the picture: no whole frame
  RestoreImages(list);
  EXPECT_EQ(FrameCount(image), 0);
}

TEST(ImageList, ImagePixelReadsTheStoredColourExactly) {
  TImageList list;
  TImage& mask = AddImage(list, "Map_Mask.bmp", TPicture(), true, 0xFF00FF, false);
  TPicture layer(3, 2, TRgb{255, 0, 255});
  layer.At(2, 1) = TRgb{10, 20, 30};
  SetImagePicture(mask, layer);
  RestoreImages(list);
  EXPECT_EQ(ImagePixel(mask, 0, 0), (TRgb{255, 0, 255}));  // not widened 565 (248, 0, 248)
  EXPECT_EQ(ImagePixel(mask, 2, 1), (TRgb{10, 20, 30}));
  EXPECT_FALSE(ImagePixel(mask, 3, 0));
  EXPECT_FALSE(ImagePixel(mask, -1, 0));
  EXPECT_FALSE(ImagePixel(mask, 0, 2));
  EXPECT_FALSE(ImagePixel(mask, 2147483647, -2147483647 - 1));
  EXPECT_EQ(mask.Name, "Map_Mask.bmp");
  EXPECT_TRUE(mask.Transparent);
  EXPECT_EQ(mask.TransparentColor, 0xFF00FFu);
  EXPECT_EQ(mask.Key, 0xF81F);
}

}  // namespace sk
