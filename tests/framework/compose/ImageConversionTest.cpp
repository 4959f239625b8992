#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVImageConversion.h"
#include "toolkit/dv_Image.h"

namespace {

// Framework pixels are B, G, R, A bytes: 0xAARRGGBB as a word.
std::uint32_t bgra(int r, int g, int b, int a) {
  return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
         static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

void fillRandom(NVImage& image, unsigned seed) {
  std::mt19937 rng(seed);
  const int n = image.getWidth() * image.getHeight();
  for (int i = 0; i < n; ++i) image.getPixels()[i] = static_cast<std::uint32_t>(rng());
}

// A 3 x 2 image lands in a 64-texel buffer row, its top row in buffer row 1
// (rows are stored bottom up), each pixel as R, G, B, A.
TEST(ImageConversion, ThreeByTwoGoesBottomUpIntoA64TexelRow) {
  NVImage source(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.getPixels()[y * 3 + x] = bgra(10 * x + y, 100 + x, 200 + y, 50 + 3 * x + y);
  dv_Image target;
  ASSERT_TRUE(convertToToolkitImage(&source, &target));
  EXPECT_EQ(target.getWidth(), 3);
  EXPECT_EQ(target.getHeight(), 2);
  ASSERT_EQ(target.getBufferWidth(), 64);
  const std::uint8_t* buffer = target.getBuffer();
  for (int y = 0; y < 2; ++y) {
    const int bufferRow = 1 - y;
    for (int x = 0; x < 3; ++x) {
      const std::uint8_t* texel = buffer + (bufferRow * 64 + x) * 4;
      EXPECT_EQ(texel[0], 10 * x + y) << x << "," << y;
      EXPECT_EQ(texel[1], 100 + x) << x << "," << y;
      EXPECT_EQ(texel[2], 200 + y) << x << "," << y;
      EXPECT_EQ(texel[3], 50 + 3 * x + y) << x << "," << y;
    }
    // Texels right of the image hold nothing.
    EXPECT_EQ(buffer[(bufferRow * 64 + 3) * 4 + 3], 0);
  }
}

TEST(ImageConversion, BothWaysGiveTheSamePixelsBack) {
  struct Size {
    int w, h;
  };
  const Size sizes[] = {{1, 1}, {3, 2}, {64, 1}, {65, 70}, {130, 3}};
  unsigned seed = 1;
  for (const Size& s : sizes) {
    NVImage source(s.w, s.h), back(5, 5);
    fillRandom(source, seed++);
    dv_Image toolkit(7, 9);
    ASSERT_TRUE(convertToToolkitImage(&source, &toolkit));
    EXPECT_EQ(toolkit.getBufferWidth(), dv_Image::bufferSizeFor(s.w));
    ASSERT_TRUE(convertToFrameworkImage(&toolkit, &back));
    ASSERT_EQ(back.getWidth(), s.w);
    ASSERT_EQ(back.getHeight(), s.h);
    for (int i = 0; i < s.w * s.h; ++i)
      ASSERT_EQ(back.getPixels()[i], source.getPixels()[i]) << s.w << "x" << s.h << " pixel " << i;
  }
}

// The toolkit image's own accessors read what the conversion wrote.
TEST(ImageConversion, ToolkitPixelsReadBackThroughTheImageAccessors) {
  dv_Image source(4, 3);
  source.setRGBA(0, 0, 1, 2, 3, 4);
  source.setRGBA(3, 2, 250, 251, 252, 253);
  NVImage target(1, 1);
  ASSERT_TRUE(convertToFrameworkImage(&source, &target));
  EXPECT_EQ(target.getPixels()[0], bgra(1, 2, 3, 4));
  EXPECT_EQ(target.getPixels()[2 * 4 + 3], bgra(250, 251, 252, 253));
  EXPECT_EQ(target.getPixels()[1], 0u);  // transparent black elsewhere
}

TEST(ImageConversion, BothDirectionsMarkTheToolkitImageAsChanged) {
  NVImage framework(2, 2);
  dv_Image toolkit(2, 2);
  toolkit.clearUpdate();
  ASSERT_TRUE(convertToToolkitImage(&framework, &toolkit));
  EXPECT_TRUE(toolkit.isUpdated());
  EXPECT_EQ(toolkit.getUpdateArea().w, -1);
  toolkit.clearUpdate();
  ASSERT_TRUE(convertToFrameworkImage(&toolkit, &framework));
  EXPECT_TRUE(toolkit.isUpdated());
}

TEST(ImageConversion, MissingOrEmptyImagesChangeNothing) {
  NVImage framework(2, 2), released(2, 2);
  released.release();
  dv_Image toolkit(5, 4), empty;
  toolkit.setRGBA(1, 1, 9, 9, 9, 9);
  toolkit.clearUpdate();
  EXPECT_FALSE(convertToToolkitImage(nullptr, &toolkit));
  EXPECT_FALSE(convertToToolkitImage(&framework, nullptr));
  EXPECT_FALSE(convertToToolkitImage(&released, &toolkit));
  EXPECT_EQ(toolkit.getWidth(), 5);
  EXPECT_EQ(toolkit.getRed(1, 1), 9);
  EXPECT_FALSE(toolkit.isUpdated());
  framework.getPixels()[0] = 0x12345678;
  EXPECT_FALSE(convertToFrameworkImage(nullptr, &framework));
  EXPECT_FALSE(convertToFrameworkImage(&toolkit, nullptr));
  EXPECT_FALSE(convertToFrameworkImage(&empty, &framework));
  EXPECT_EQ(framework.getWidth(), 2);
  EXPECT_EQ(framework.getPixels()[0], 0x12345678u);
}

}  // namespace
