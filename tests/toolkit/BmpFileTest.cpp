#include <gtest/gtest.h>

#include <cstdio>

#include "tests/toolkit/ImageFiles.h"
#include "toolkit/dv_Image.h"

namespace {

dv_Image sampleImage(int w, int h) {
  dv_Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setRGBA(x, y, 40 * x + 1, 30 * y + 2, x * y + 3, 200 - x);
  return image;
}

void expectSamePixels(const dv_Image& a, const dv_Image& b, bool withAlpha) {
  ASSERT_EQ(a.getWidth(), b.getWidth());
  ASSERT_EQ(a.getHeight(), b.getHeight());
  for (int y = 0; y < a.getHeight(); ++y)
    for (int x = 0; x < a.getWidth(); ++x) {
      EXPECT_EQ(a.getRed(x, y), b.getRed(x, y));
      EXPECT_EQ(a.getGreen(x, y), b.getGreen(x, y));
      EXPECT_EQ(a.getBlue(x, y), b.getBlue(x, y));
      EXPECT_EQ(a.getAlpha(x, y), withAlpha ? b.getAlpha(x, y) : 255);
    }
}

TEST(BmpFileTest, ThreePixelRowsArePaddedToTwelveBytes) {
  const dv_Image image = sampleImage(3, 2);
  const std::string path = tempPath("three.bmp");
  ASSERT_TRUE(image.saveBMP(path, false));
  const std::vector<uint8_t> file = readBytes(path);
  ASSERT_EQ(file.size(), 54u + 2 * 12);
  EXPECT_EQ(file[2] | file[3] << 8, 54 + 24);
  EXPECT_EQ(file[10], 54);
  EXPECT_EQ(file[28], 24);
  // The first row in the file is the image's last row, blue first.
  EXPECT_EQ(file[54], image.getBlue(0, 1));
  EXPECT_EQ(file[56], image.getRed(0, 1));
  for (int i = 63; i < 66; ++i) EXPECT_EQ(file[i], 0) << i;
  dv_Image back;
  ASSERT_EQ(back.loadBMP(path), dv_Image::LoadOk);
  expectSamePixels(back, image, false);
  std::remove(path.c_str());
}

TEST(BmpFileTest, ThirtyTwoBitAlphaIsStoredInverted) {
  const dv_Image image = sampleImage(5, 3);
  const std::string path = tempPath("alpha.bmp");
  ASSERT_TRUE(image.saveBMP(path, true));
  const std::vector<uint8_t> file = readBytes(path);
  EXPECT_EQ(file[57], 255 - image.getAlpha(0, 2));
  dv_Image back;
  ASSERT_EQ(back.loadBMPData(file.data(), file.size()), dv_Image::LoadOk);
  expectSamePixels(back, image, true);
  // A stored alpha byte of 0 is an opaque pixel.
  BmpSpec spec;
  spec.bits = 32;
  spec.pixels = {10, 20, 30, 0};
  const std::vector<uint8_t> opaque = buildBmp(spec);
  ASSERT_EQ(back.loadBMPData(opaque.data(), opaque.size()), dv_Image::LoadOk);
  EXPECT_EQ(back.getAlpha(0, 0), 255);
  EXPECT_EQ(back.getRed(0, 0), 30);
  std::remove(path.c_str());
}

TEST(BmpFileTest, PalettedDepths) {
  const std::vector<uint8_t> palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // red, green, blue
  struct Case {
    uint16_t bits;
    std::vector<uint8_t> row;  // one row of 3 pixels: indices 2, 0, 1
  };
  for (const Case& c : {Case{1, {0b01000000, 0, 0, 0}}, Case{4, {0x20, 0x10, 0, 0}}, Case{8, {2, 0, 1, 0}}}) {
    BmpSpec spec;
    spec.width = 3;
    spec.bits = c.bits;
    spec.palette = palette;
    spec.pixels = c.row;
    const std::vector<uint8_t> file = buildBmp(spec);
    dv_Image image;
    ASSERT_EQ(image.loadBMPData(file.data(), file.size()), dv_Image::LoadOk) << c.bits;
    if (c.bits == 1) {  // only indices 0 and 1 exist: pixels 0, 1, 0
      EXPECT_EQ(image.getRed(0, 0), 255);
      EXPECT_EQ(image.getGreen(1, 0), 255);
      EXPECT_EQ(image.getRed(2, 0), 255);
    } else {
      EXPECT_EQ(image.getBlue(0, 0), 255);
      EXPECT_EQ(image.getRed(1, 0), 255);
      EXPECT_EQ(image.getGreen(2, 0), 255);
    }
    EXPECT_EQ(image.getAlpha(2, 0), 255);
  }
}

TEST(BmpFileTest, IndexPastTheShortPaletteReadsBlack) {
  BmpSpec spec;
  spec.bits = 8;
  spec.palette = {1, 2, 3, 0};
  spec.pixels = {200, 0, 0, 0};
  const std::vector<uint8_t> file = buildBmp(spec);
  dv_Image image;
  ASSERT_EQ(image.loadBMPData(file.data(), file.size()), dv_Image::LoadOk);
  EXPECT_EQ(image.getRed(0, 0), 0);
  EXPECT_EQ(image.getAlpha(0, 0), 255);
}

struct BadBmp {
  const char* what;
  std::vector<uint8_t> bytes;
};

std::vector<BadBmp> badBmps() {
  BmpSpec good;
  good.width = 2;
  good.height = 2;
  good.pixels.assign(16, 7);
  auto variant = [&good](auto change) {
    BmpSpec s = good;
    change(s);
    return buildBmp(s);
  };
  std::vector<uint8_t> notBm = buildBmp(good);
  notBm[1] = 'X';
  std::vector<uint8_t> shortHeader = buildBmp(good);
  shortHeader.resize(40);
  std::vector<uint8_t> cutRows = buildBmp(good);
  cutRows.pop_back();
  std::vector<uint8_t> hugeOffset = buildBmp(good);
  hugeOffset[13] = 0x7F;
  return {
      {"not BM", notBm},
      {"short header", shortHeader},
      {"rows cut short", cutRows},
      {"offset below 54", variant([](BmpSpec& s) { s.offset = 20; })},
      {"offset past the end", hugeOffset},
      {"zero width", variant([](BmpSpec& s) { s.width = 0; })},
      {"negative height", variant([](BmpSpec& s) { s.height = -2; })},
      {"absurd width", variant([](BmpSpec& s) { s.width = 0x7FFFFFFF; })},
      {"absurd height", variant([](BmpSpec& s) { s.height = 100000; })},
      {"16 bits", variant([](BmpSpec& s) { s.bits = 16; })},
      {"no rows after the palette", variant([](BmpSpec& s) {
         s.bits = 8;
         s.offset = 54 + 1024;
         s.pixels.clear();
       })},
      {"empty", {}},
  };
}

TEST(BmpFileTest, BadFilesAreFormatErrorsAndChangeNothing) {
  for (const BadBmp& bad : badBmps()) {
    dv_Image image(2, 1);
    image.setRGB(1, 0, 5, 6, 7);
    EXPECT_EQ(image.loadBMPData(bad.bytes.data(), bad.bytes.size()), dv_Image::LoadFormatError) << bad.what;
    EXPECT_EQ(image.getWidth(), 2) << bad.what;
    EXPECT_EQ(image.getBlue(1, 0), 7) << bad.what;
  }
}

TEST(BmpFileTest, FileErrors) {
  dv_Image image;
  EXPECT_EQ(image.loadBMP(tempPath("no-such-file.bmp")), dv_Image::LoadCannotOpen);
  EXPECT_FALSE(image.saveBMP(tempPath("empty.bmp"), false));
  EXPECT_FALSE(sampleImage(2, 2).saveBMP(tempPath("no/such/dir/x.bmp"), false));
}

}  // namespace
