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

// Every channel varies, each its own way, so that channels swapped by a
// writer and swapped back by the reader show. Smooth, for JPEG; w and h at
// most 32.
dv_Image gradient(int w, int h) {
  dv_Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setRGBA(x, y, 7 * x, 7 * y, 250 - 3 * x - 4 * y, 10 + x + 2 * y);
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
        EXPECT_EQ(back.getBlue(x, y), image.getBlue(x, y));
        EXPECT_EQ(back.getAlpha(x, y), withAlpha ? image.getAlpha(x, y) : 255);
      }
    const std::vector<uint8_t> bytes = readBytes(path);
    dv_Image fromMemory;
    ASSERT_EQ(fromMemory.loadPNGData(bytes.data(), bytes.size()), dv_Image::LoadOk);
    for (const int x : {0, 9, 16}) EXPECT_EQ(fromMemory.getColor(x, 8), back.getColor(x, 8)) << x;
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

namespace {

// The picture's samples as libpng and libjpeg take them: R, G, B (and A).
std::vector<uint8_t> samplesOf(const dv_Image& image, int components) {
  std::vector<uint8_t> samples;
  for (int y = 0; y < image.getHeight(); ++y)
    for (int x = 0; x < image.getWidth(); ++x) {
      samples.push_back(static_cast<uint8_t>(image.getRed(x, y)));
      samples.push_back(static_cast<uint8_t>(image.getGreen(x, y)));
      samples.push_back(static_cast<uint8_t>(image.getBlue(x, y)));
      if (components == 4) samples.push_back(static_cast<uint8_t>(image.getAlpha(x, y)));
    }
  return samples;
}

std::vector<uint8_t> readPngWithLibpng(const std::vector<uint8_t>& bytes, bool withAlpha) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  image.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  std::vector<uint8_t> samples(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, samples.data(), 0, nullptr)) return {};
  return samples;
}

std::vector<uint8_t> readJpegWithLibjpeg(const std::vector<uint8_t>& bytes) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  std::vector<uint8_t> samples(static_cast<size_t>(cinfo.output_width) * cinfo.output_height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = samples.data() + static_cast<size_t>(cinfo.output_scanline) * cinfo.output_width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return samples;
}

int worstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (a.size() != b.size()) return 256;
  int worst = 0;
  for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
  return worst;
}

// The toolkit's files read the same with the libraries themselves, and
// files the libraries wrote read the same with the toolkit: a channel order
// wrong in both the toolkit's writer and its reader would still round-trip.
TEST(ImageFileChannelsTest, AgreeWithTheLibrariesThemselves) {
  struct Case {
    const char* name;
    int components;  // 3 RGB, 4 RGBA
    bool jpeg;
    int tolerance;
  };
  const Case cases[] = {{"png rgb", 3, false, 0}, {"png rgba", 4, false, 0}, {"jpeg", 3, true, 10}};
  const dv_Image image = gradient(24, 16);
  for (const Case& c : cases) {
    const std::vector<uint8_t> expected = samplesOf(image, c.components);
    const std::string path = tempPath(c.jpeg ? "channels.jpg" : "channels.png");
    ASSERT_TRUE(c.jpeg ? image.saveJPEG(path, 95) : image.savePNG(path, c.components == 4)) << c.name;
    const std::vector<uint8_t> written = readBytes(path);
    std::remove(path.c_str());
    const std::vector<uint8_t> theirs =
        c.jpeg ? readJpegWithLibjpeg(written) : readPngWithLibpng(written, c.components == 4);
    EXPECT_LE(worstDifference(theirs, expected), c.tolerance) << c.name << " written by the toolkit";

    std::vector<std::vector<uint8_t>> rows;
    const size_t rowBytes = size_t(24) * c.components;
    for (int y = 0; y < 16; ++y)
      rows.emplace_back(expected.begin() + y * rowBytes, expected.begin() + (y + 1) * rowBytes);
    const std::vector<uint8_t> encoded =
        c.jpeg ? encodeJpeg(24, 16, 3, expected, 95)
               : encodePng(24, 16, c.components == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, 8, rows);
    dv_Image back;
    ASSERT_TRUE(c.jpeg ? back.loadJPEGData(encoded.data(), encoded.size())
                       : back.loadPNGData(encoded.data(), encoded.size()) == dv_Image::LoadOk)
        << c.name;
    EXPECT_LE(worstDifference(samplesOf(back, c.components), expected), c.tolerance)
        << c.name << " read by the toolkit";
  }
}

}  // namespace
