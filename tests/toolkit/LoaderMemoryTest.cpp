// The loaders under files that lie about their size: each is refused as a
// format error before anything is sized from the lie, inside a child whose
// address space may grow by 64 MB only, while genuine large images still
// load within the memory of their pixels and a little more.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "tests/toolkit/EncodedImages.h"
#include "tests/toolkit/ImageFiles.h"
#include "tests/toolkit/MemoryLimit.h"
#include "toolkit/dv_Image.h"

namespace {

constexpr size_t kMiB = 1024 * 1024;
constexpr size_t kHostileLimit = 64 * kMiB;
constexpr int kRanOutOfMemory = 99;
constexpr int kChangedOnFailure = 100;
constexpr int kWrongSize = 101;
constexpr int kWrongPixels = 102;

enum class Format { Bmp, Png, Jpeg };

int load(Format format, const std::vector<uint8_t>& bytes, dv_Image& image) {
  switch (format) {
    case Format::Bmp: return image.loadBMPData(bytes.data(), bytes.size());
    case Format::Png: return image.loadPNGData(bytes.data(), bytes.size());
    default: return image.loadJPEGData(bytes.data(), bytes.size()) ? dv_Image::LoadOk : dv_Image::LoadFormatError;
  }
}

// A load whose allocation the bound refused says so through errno, even where
// the loader's own result cannot tell a refusal from a lie (JPEG).
int loadWatchingMemory(Format format, const std::vector<uint8_t>& bytes, dv_Image& image) {
  errno = 0;
  const int result = load(format, bytes, image);
  return errno == ENOMEM ? kRanOutOfMemory : result;
}

// Loads in a bounded child: the load's result, kRanOutOfMemory, or
// kChangedOnFailure when a failed load touched the image it was given.
BoundedRun boundedLoad(Format format, const std::vector<uint8_t>& bytes, size_t limit) {
  return runWithMemoryLimit(limit, [&] {
    dv_Image image(1, 1);
    image.setRGBA(0, 0, 1, 2, 3, 4);
    const int result = loadWatchingMemory(format, bytes, image);
    if (result != dv_Image::LoadOk && (image.getWidth() != 1 || image.getAlpha(0, 0) != 4)) return kChangedOnFailure;
    return result;
  });
}

std::vector<uint8_t> noise(size_t n, uint32_t seed) {
  std::vector<uint8_t> bytes(n);
  for (auto& b : bytes) {
    seed = seed * 1664525u + 1013904223u;
    b = static_cast<uint8_t>(seed >> 24);
  }
  return bytes;
}

std::vector<uint8_t> noisePng(int w, int h) {
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < h; ++y) rows.push_back(noise(static_cast<size_t>(w) * 3, 7u + y));
  return encodePng(w, h, PNG_COLOR_TYPE_RGB, 8, rows);
}

// A 64 x 64 PNG claiming 8192 x 8192, padded to about 300 KB by a chunk of
// the given type placed before the image data or after it.
std::vector<uint8_t> paddedPng(const char* type, bool beforeImageData, size_t padding, uint32_t claimed) {
  const std::vector<uint8_t> png = withClaimedPngSize(noisePng(64, 64), claimed, claimed);
  std::vector<uint8_t> data = noise(padding, 3);
  if (std::string(type) == "tEXt") {
    const std::string keyword = "Comment";
    std::copy(keyword.begin(), keyword.end(), data.begin());
    data[keyword.size()] = 0;
    for (size_t i = keyword.size() + 1; i < data.size(); ++i) data[i] = 'a' + data[i] % 26;
  }
  const size_t at = pngChunkOffset(png, beforeImageData ? "IDAT" : "IEND");
  return withPngChunk(png, at, type, data);
}

std::vector<uint8_t> pngAfterItsEnd() {
  std::vector<uint8_t> png = withClaimedPngSize(noisePng(64, 64), 8192, 8192);
  const std::vector<uint8_t> tail = noise(300 * 1024, 5);
  png.insert(png.end(), tail.begin(), tail.end());
  return png;
}

// A JPEG of noise about 70 KB long whose frame header claims 8192 x 8192:
// enough bytes that a guard counting the whole file would let it through.
std::vector<uint8_t> patchedJpeg(int components, int side) {
  const std::vector<uint8_t> jpeg =
      encodeJpeg(side, side, components, noise(static_cast<size_t>(side) * side * components, 9), 92);
  return withClaimedJpegSize(jpeg, 8192, 8192);
}

// A small JPEG claiming 8192 x 8192 behind 300 KB of comment segments.
std::vector<uint8_t> commentPaddedJpeg() {
  const std::vector<uint8_t> jpeg =
      withClaimedJpegSize(encodeJpeg(64, 64, 3, photoLikePixels(64, 64, 3), 90), 8192, 8192);
  std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
  for (int i = 0; i < 5; ++i) {
    out.insert(out.end(), {0xFF, 0xFE, 0xF0, 0x02});
    const std::vector<uint8_t> text(0xF000, 'x');
    out.insert(out.end(), text.begin(), text.end());
  }
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

std::vector<uint8_t> photoJpeg(int side, bool progressive) {
  return encodeJpeg(side, side, 3, photoLikePixels(side, side, 3), 85, progressive);
}

// The stream cut in the middle of its (last) scan, optionally closed by an
// end marker as a careless repair would.
std::vector<uint8_t> cutJpeg(bool progressive, bool endMarker) {
  const std::vector<uint8_t> whole = photoJpeg(512, progressive);
  const size_t keep = whole.size() - whole.size() / (progressive ? 8 : 2);
  std::vector<uint8_t> jpeg(whole.begin(), whole.begin() + static_cast<long>(keep));
  while (jpeg.back() == 0xFF) jpeg.pop_back();
  if (endMarker) jpeg.insert(jpeg.end(), {0xFF, 0xD9});
  return jpeg;
}

std::vector<uint8_t> bmpWithTooFewRows() {
  BmpSpec spec;
  spec.width = 8192;
  spec.height = 8192;
  spec.bits = 24;
  spec.pixels = noise(300 * 1024, 11);
  return buildBmp(spec);
}

struct HostileCase {
  const char* name;
  Format format;
  std::vector<uint8_t> (*build)();
};

const HostileCase kHostile[] = {
    {"PNG padded by a private chunk before its image data", Format::Png,
     [] { return paddedPng("paDd", true, 300 * 1024, 8192); }},
    {"PNG padded by a text chunk after its image data", Format::Png,
     [] { return paddedPng("tEXt", false, 300 * 1024, 8192); }},
    {"PNG padded after its end", Format::Png, pngAfterItsEnd},
    {"PNG padded to 16 MB claiming 65536 x 65536", Format::Png,
     [] { return paddedPng("paDd", true, 16 * kMiB, 65536); }},
    {"JPEG in colour patched to 8192 x 8192", Format::Jpeg, [] { return patchedJpeg(3, 264); }},
    {"JPEG in grey patched to 8192 x 8192", Format::Jpeg, [] { return patchedJpeg(1, 290); }},
    {"JPEG padded by comments", Format::Jpeg, commentPaddedJpeg},
    {"JPEG cut in the middle of its scan", Format::Jpeg, [] { return cutJpeg(false, false); }},
    {"JPEG cut in its scan and closed by an end marker", Format::Jpeg, [] { return cutJpeg(false, true); }},
    {"progressive JPEG cut in a scan and closed by an end marker", Format::Jpeg, [] { return cutJpeg(true, true); }},
    {"BMP claiming more rows than it holds", Format::Bmp, bmpWithTooFewRows},
};

TEST(LoaderMemoryTest, LyingFilesAreRefusedWithinABoundedMemory) {
  for (const HostileCase& c : kHostile) {
    const std::vector<uint8_t> bytes = c.build();
    const BoundedRun run = boundedLoad(c.format, bytes, kHostileLimit);
    EXPECT_EQ(run.status, dv_Image::LoadFormatError)
        << c.name << " (" << bytes.size() << " bytes; 99 = ran out of the memory bound)";
  }
}

TEST(LoaderMemoryTest, PatchedJpegsWouldPassAGuardOnTheWholeFile) {
  // The patched streams are the hard case: long enough that 1024 pixels a
  // byte of file would cover their claim.
  for (const auto& bytes : {patchedJpeg(3, 264), patchedJpeg(1, 290)}) {
    EXPECT_GE(bytes.size() * 1024, 8192u * 8192u) << bytes.size();
    EXPECT_LE(bytes.size(), 100u * 1024);
  }
}

// A genuine image loads in a child that may grow by its pixels and 16 MB;
// every sampled pixel is compared with the source within `tolerance`.
void expectLoadsWithinItsSize(Format format, const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& rgb,
                              int side, int tolerance) {
  const size_t pixelBytes = static_cast<size_t>(dv_Image::bufferSizeFor(side)) * dv_Image::bufferSizeFor(side) * 4;
  const BoundedRun run = runWithMemoryLimit(pixelBytes + 16 * kMiB, [&] {
    dv_Image image;
    const int result = loadWatchingMemory(format, bytes, image);
    if (result != dv_Image::LoadOk) return result;
    if (image.getWidth() != side || image.getHeight() != side) return kWrongSize;
    for (int y = 0; y < side; y += 37)
      for (int x = 0; x < side; x += 41) {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * side + x) * 3];
        if (std::abs(image.getRed(x, y) - p[0]) > tolerance || std::abs(image.getGreen(x, y) - p[1]) > tolerance ||
            std::abs(image.getBlue(x, y) - p[2]) > tolerance || image.getAlpha(x, y) != 255)
          return kWrongPixels;
      }
    return 0;
  });
  EXPECT_EQ(run.status, 0) << "99 = ran out of the memory bound, 101 = size, 102 = pixels";
}

TEST(LoaderMemoryTest, GenuineLargePngLoads) {
  constexpr int kSide = 4096;
  const std::vector<uint8_t> rgb = photoLikePixels(kSide, kSide, 3);
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < kSide; ++y)
    rows.emplace_back(rgb.begin() + static_cast<long>(y) * kSide * 3,
                      rgb.begin() + static_cast<long>(y + 1) * kSide * 3);
  const std::vector<uint8_t> png = encodePng(kSide, kSide, PNG_COLOR_TYPE_RGB, 8, rows, {}, PNG_INTERLACE_NONE, 1);
  rows.clear();
  expectLoadsWithinItsSize(Format::Png, png, rgb, kSide, 0);
}

TEST(LoaderMemoryTest, GenuineLargeJpegLoads) {
  constexpr int kSide = 4096;
  const std::vector<uint8_t> rgb = photoLikePixels(kSide, kSide, 3);
  const std::vector<uint8_t> jpeg = encodeJpeg(kSide, kSide, 3, rgb, 85);
  expectLoadsWithinItsSize(Format::Jpeg, jpeg, rgb, kSide, 48);
}

TEST(LoaderMemoryTest, GenuineProgressiveJpegLoads) {
  constexpr int kSide = 1024;
  const std::vector<uint8_t> rgb = photoLikePixels(kSide, kSide, 3);
  const std::vector<uint8_t> jpeg = encodeJpeg(kSide, kSide, 3, rgb, 85, true);
  expectLoadsWithinItsSize(Format::Jpeg, jpeg, rgb, kSide, 48);
}

}  // namespace
