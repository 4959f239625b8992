#include <gtest/gtest.h>

#include "framework/compose/NVImage.h"

namespace {

std::uint32_t pixel(const NVImage& image, int x, int y) { return image.getPixels()[y * image.getWidth() + x]; }

TEST(NVImage, NewImagesAreOpaqueWhiteAndSizesBelowOneBecomeOne) {
  NVImage image;
  EXPECT_TRUE(image.isValid());
  EXPECT_EQ(image.getWidth(), 1);
  image.resize(0, -5);
  EXPECT_TRUE(image.isValid());
  EXPECT_EQ(image.getWidth(), 1);
  EXPECT_EQ(image.getHeight(), 1);
  EXPECT_EQ(pixel(image, 0, 0), 0xFFFFFFFFu);
  NVImage big(37, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 37; ++x) ASSERT_EQ(pixel(big, x, y), 0xFFFFFFFFu);
}

TEST(NVImage, ResizeToTheSameSizeKeepsThePixels) {
  NVImage image(4, 3);
  image.setRGBA(2, 1, 10, 20, 30, 40);
  image.resize(4, 3);
  EXPECT_EQ(pixel(image, 2, 1), 0x280A141Eu);
  image.resize(5, 3);
  EXPECT_EQ(pixel(image, 2, 1), 0xFFFFFFFFu);
}

TEST(NVImage, FillClampsAndCoversEveryPixel) {
  for (int size : {1, 2, 3, 7, 64, 1000}) {
    NVImage image(size, 3);
    image.fill(300, -2, 128, 999);
    for (int i = 0; i < size * 3; ++i) ASSERT_EQ(image.getPixels()[i], 0xFFFF0080u) << size;
  }
}

TEST(NVImage, ReleasedImagesIgnoreFillsAndAccessorsCheckBounds) {
  NVImage image(3, 3);
  image.release();
  EXPECT_FALSE(image.isValid());
  EXPECT_EQ(image.getWidth(), 0);
  image.fill(1, 2, 3, 4);
  EXPECT_FALSE(image.isValid());
  NVImage other(3, 2);
  other.setRGBA(-1, 0, 0, 0, 0, 0);
  other.setRGB(3, 0, 0, 0, 0);
  EXPECT_EQ(other.getAlpha(-1, 0), 0);
  EXPECT_EQ(other.getAlpha(3, 0), 0);
  EXPECT_EQ(other.getAlpha(2, 1), 255);
  other.setRGB(1, 1, 500, -3, 7);
  EXPECT_EQ(pixel(other, 1, 1), 0xFFFF0007u);
}

TEST(NVImage, CopyFromTakesTheSourcesSizeAndPixels) {
  NVImage source(10, 4);
  source.fill(1, 2, 3, 4);
  source.setRGBA(9, 3, 5, 6, 7, 8);
  NVImage target(3, 3);
  target.copyFrom(source);
  EXPECT_EQ(target.getWidth(), 10);
  EXPECT_EQ(target.getHeight(), 4);
  EXPECT_EQ(pixel(target, 9, 3), pixel(source, 9, 3));
  EXPECT_EQ(pixel(target, 0, 0), 0x04010203u);
}

}  // namespace
