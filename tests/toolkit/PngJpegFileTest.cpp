#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "tests/toolkit/EncodedImages.h"
#include "tests/toolkit/ImageFiles.h"
#include "toolkit/dv_Image.h"

namespace {

dv_Image gradient(int w, int h) {
  dv_Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setRGBA(x, y, 8 * x, 8 * y, 128, 10 + x + y);
  return image;
}

TEST(PngFileTest, RoundTripsRgbAndRgba) {
  const dv_Image image = gradient(17, 9);
  for (const bool withAlpha : {false, true}) {
    const std::string path = tempPath(withAlpha ? "rgba.png" : "rgb.png");
    ASSERT_TRUE(image.savePNG(path, withAlpha));
    dv_Image back;
    ASSERT_EQ(back.loadPNG(path), dv_Image::LoadOk);
    ASSERT_EQ(back.getWidth(), 17);
    ASSERT_EQ(back.getHeight(), 9);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 17; ++x) {
        EXPECT_EQ(back.getRed(x, y), image.getRed(x, y));
        EXPECT_EQ(back.getGreen(x, y), image.getGreen(x, y));
        EXPECT_EQ(back.getAlpha(x, y), withAlpha ? image.getAlpha(x, y) : 255);
      }
    const std::vector<uint8_t> bytes = readBytes(path);
    dv_Image fromMemory;
    ASSERT_EQ(fromMemory.loadPNGData(bytes.data(), bytes.size()), dv_Image::LoadOk);
    EXPECT_EQ(fromMemory.getBlue(16, 8), 128);
    std::remove(path.c_str());
  }
}

TEST(PngFileTest, GreyPaletteAndOneBitImages) {
  dv_Image image;
  const std::vector<uint8_t> grey = encodePng(2, 1, PNG_COLOR_TYPE_GRAY, 8, {{10, 200}});
  ASSERT_EQ(image.loadPNGData(grey.data(), grey.size()), dv_Image::LoadOk);
  EXPECT_EQ(image.getRed(1, 0), 200);
  EXPECT_EQ(image.getBlue(1, 0), 200);
  EXPECT_EQ(image.getAlpha(0, 0), 255);
  const std::vector<uint8_t> bits = encodePng(9, 1, PNG_COLOR_TYPE_GRAY, 1, {{0b10100000, 0x80}});
  ASSERT_EQ(image.loadPNGData(bits.data(), bits.size()), dv_Image::LoadOk);
  const int expected[9] = {255, 0, 255, 0, 0, 0, 0, 0, 255};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(image.getGreen(x, 0), expected[x]) << x;
  const std::vector<uint8_t> paletted =
      encodePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {{1, 0}}, {png_color{1, 2, 3}, png_color{40, 50, 60}});
  ASSERT_EQ(image.loadPNGData(paletted.data(), paletted.size()), dv_Image::LoadOk);
  EXPECT_EQ(image.getRed(0, 0), 40);
  EXPECT_EQ(image.getBlue(1, 0), 3);
}

TEST(PngFileTest, InterlacedImagesAreAssembled) {
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < 9; ++y) {
    rows.emplace_back();
    for (int x = 0; x < 11; ++x)
      for (int c = 0; c < 3; ++c) rows.back().push_back(static_cast<uint8_t>(20 * x + y + c));
  }
  const std::vector<uint8_t> bytes = encodePng(11, 9, PNG_COLOR_TYPE_RGB, 8, rows, {}, PNG_INTERLACE_ADAM7);
  dv_Image image;
  ASSERT_EQ(image.loadPNGData(bytes.data(), bytes.size()), dv_Image::LoadOk);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 11; ++x) {
      EXPECT_EQ(image.getRed(x, y), 20 * x + y);
      EXPECT_EQ(image.getBlue(x, y), 20 * x + y + 2);
    }
}

TEST(PngFileTest, UnsupportedLayoutsAreRefused) {
  const std::vector<uint8_t> greyAlpha = encodePng(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {{10, 20}});
  const std::vector<uint8_t> deep = encodePng(1, 1, PNG_COLOR_TYPE_RGB, 16, {{0, 1, 0, 2, 0, 3}});
  const std::vector<uint8_t> greyFour = encodePng(2, 1, PNG_COLOR_TYPE_GRAY, 4, {{0x1F}});
  for (const auto* bytes : {&greyAlpha, &deep, &greyFour}) {
    dv_Image image(3, 3);
    EXPECT_EQ(image.loadPNGData(bytes->data(), bytes->size()), dv_Image::LoadFormatError);
    EXPECT_EQ(image.getWidth(), 3);
  }
}

TEST(PngFileTest, LiesAndCutsAreFormatErrors) {
  const std::vector<uint8_t> good = encodePng(2, 2, PNG_COLOR_TYPE_RGB, 8, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(good.size()) - 20);
  std::vector<uint8_t> noSignature = good;
  noSignature[1] = 'Q';
  const std::vector<std::vector<uint8_t>> bad = {withClaimedPngSize(good, 60000, 60000),
                                                 withClaimedPngSize(good, 100000, 1),
                                                 withClaimedPngSize(good, 0, 5),
                                                 cut,
                                                 noSignature,
                                                 {0x89, 'P', 'N'}};
  for (const auto& bytes : bad) {
    dv_Image image(4, 4);
    image.setRed(3, 3, 77);
    EXPECT_EQ(image.loadPNGData(bytes.data(), bytes.size()), dv_Image::LoadFormatError);
    EXPECT_EQ(image.getRed(3, 3), 77);
  }
  dv_Image empty;
  EXPECT_FALSE(empty.savePNG(tempPath("empty.png"), true));
  EXPECT_EQ(empty.loadPNG(tempPath("missing.png")), dv_Image::LoadCannotOpen);
}

TEST(JpegFileTest, RoundTripWithinTheLoss) {
  const dv_Image image = gradient(24, 16);
  const std::string path = tempPath("round.jpg");
  ASSERT_TRUE(image.saveJPEG(path, 95));
  dv_Image back;
  ASSERT_TRUE(back.loadJPEG(path));
  ASSERT_EQ(back.getWidth(), 24);
  ASSERT_EQ(back.getHeight(), 16);
  int worst = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) {
      worst = std::max({worst, std::abs(back.getRed(x, y) - image.getRed(x, y)),
                        std::abs(back.getGreen(x, y) - image.getGreen(x, y)),
                        std::abs(back.getBlue(x, y) - image.getBlue(x, y))});
      EXPECT_EQ(back.getAlpha(x, y), 255);
    }
  EXPECT_LE(worst, 10);
  EXPECT_TRUE(image.saveJPEG(path, 500));  // quality is clamped
  EXPECT_FALSE(dv_Image().saveJPEG(path, 50));
  std::remove(path.c_str());
}

// A one-component stream, written with libjpeg itself.
std::vector<uint8_t> greyJpeg(int w, int h) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = w;
  cinfo.image_height = h;
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(w);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < w; ++x) row[x] = static_cast<uint8_t>(cinfo.next_scanline * 16);
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&cinfo, &pointer, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

TEST(JpegFileTest, GreyStreamsBecomeGreyPixels) {
  const std::vector<uint8_t> bytes = greyJpeg(8, 8);
  dv_Image image;
  ASSERT_TRUE(image.loadJPEGData(bytes.data(), bytes.size()));
  for (int y = 0; y < 8; ++y) {
    EXPECT_NEAR(image.getRed(3, y), 16 * y, 3);
    EXPECT_EQ(image.getRed(3, y), image.getBlue(3, y));
  }
}

TEST(JpegFileTest, CutAndLyingStreamsFail) {
  const std::string path = tempPath("cut.jpg");
  ASSERT_TRUE(gradient(32, 32).saveJPEG(path, 80));
  const std::vector<uint8_t> good = readBytes(path);
  std::vector<uint8_t> huge = good;
  for (size_t i = 0; i + 8 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = huge[i + 7] = 0xEA;  // 60000 x 60000
      huge[i + 6] = huge[i + 8] = 0x60;
      break;
    }
  const std::vector<std::vector<uint8_t>> bad = {
      std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size()) / 2),
      huge,
      std::vector<uint8_t>(good.begin(), good.begin() + 2),
      {}};
  for (const auto& bytes : bad) {
    dv_Image image(2, 2);
    image.setGreen(1, 1, 66);
    EXPECT_FALSE(image.loadJPEGData(bytes.data(), bytes.size()));
    EXPECT_EQ(image.getGreen(1, 1), 66);
  }
  dv_Image image;
  EXPECT_TRUE(image.loadJPEGData(good.data(), good.size()));
  EXPECT_FALSE(image.loadJPEG(tempPath("missing.jpg")));
  std::remove(path.c_str());
}

}  // namespace
