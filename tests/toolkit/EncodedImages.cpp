#include "tests/toolkit/EncodedImages.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

void appendToVector(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

void putBe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

uint32_t be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}

}  // namespace

std::vector<uint8_t> encodePng(int w, int h, int colorType, int bitDepth, const std::vector<std::vector<uint8_t>>& rows,
                               const std::vector<png_color>& palette, int interlace, int level) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, appendToVector, nullptr);
  if (level >= 0) png_set_compression_level(png, level);
  png_set_IHDR(png, info, w, h, bitDepth, colorType, interlace, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  png_write_info(png, info);
  std::vector<png_bytep> pointers;
  for (const auto& row : rows) pointers.push_back(const_cast<png_bytep>(row.data()));
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<uint8_t> encodeJpeg(int w, int h, int components, const std::vector<uint8_t>& pixels, int quality,
                                bool progressive) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  const size_t stride = static_cast<size_t>(w) * components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + stride * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

std::vector<uint8_t> withClaimedPngSize(std::vector<uint8_t> png, uint32_t w, uint32_t h) {
  putBe32(&png[16], w);
  putBe32(&png[20], h);
  putBe32(&png[29], static_cast<uint32_t>(crc32(0, png.data() + 12, 17)));
  return png;
}

std::vector<uint8_t> withPngChunk(const std::vector<uint8_t>& png, size_t at, const char* type,
                                  const std::vector<uint8_t>& data) {
  std::vector<uint8_t> chunk(12 + data.size());
  putBe32(chunk.data(), static_cast<uint32_t>(data.size()));
  std::memcpy(&chunk[4], type, 4);
  if (!data.empty()) std::memcpy(&chunk[8], data.data(), data.size());
  putBe32(&chunk[8 + data.size()], static_cast<uint32_t>(crc32(0, &chunk[4], static_cast<uInt>(data.size() + 4))));
  std::vector<uint8_t> out(png.begin(), png.begin() + static_cast<long>(at));
  out.insert(out.end(), chunk.begin(), chunk.end());
  out.insert(out.end(), png.begin() + static_cast<long>(at), png.end());
  return out;
}

size_t pngChunkOffset(const std::vector<uint8_t>& png, const char* type) {
  for (size_t pos = 8; pos + 12 <= png.size(); pos += 12 + be32(&png[pos]))
    if (std::memcmp(&png[pos + 4], type, 4) == 0) return pos;
  return 0;
}

std::vector<uint8_t> withClaimedJpegSize(std::vector<uint8_t> jpeg, uint16_t w, uint16_t h) {
  size_t sof = jpegMarkerOffset(jpeg, 0xC0);
  if (sof == 0) sof = jpegMarkerOffset(jpeg, 0xC2);
  if (sof == 0) return jpeg;
  jpeg[sof + 5] = static_cast<uint8_t>(h >> 8);
  jpeg[sof + 6] = static_cast<uint8_t>(h);
  jpeg[sof + 7] = static_cast<uint8_t>(w >> 8);
  jpeg[sof + 8] = static_cast<uint8_t>(w);
  return jpeg;
}

size_t jpegMarkerOffset(const std::vector<uint8_t>& jpeg, uint8_t marker) {
  // Walks the segments before the first scan; the scan's own bytes are
  // never searched.
  size_t pos = 2;
  while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
    if (jpeg[pos + 1] == marker) return pos;
    if (jpeg[pos + 1] == 0xDA) return 0;
    pos += 2 + (static_cast<size_t>(jpeg[pos + 2]) << 8 | jpeg[pos + 3]);
  }
  return 0;
}

std::vector<uint8_t> photoLikePixels(int w, int h, int components) {
  std::vector<uint8_t> pixels(static_cast<size_t>(w) * h * components);
  std::vector<double> waveX(w), waveY(h);
  for (int x = 0; x < w; ++x) waveX[x] = std::sin(x * 0.013) + 0.5 * std::sin(x * 0.071);
  for (int y = 0; y < h; ++y) waveY[y] = std::cos(y * 0.009) + 0.5 * std::sin(y * 0.053);
  uint32_t seed = 12345;
  size_t i = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>(seed >> 28) - 8;
      const bool inDisc = (x - w / 3) * (x - w / 3) + (y - h / 2) * (y - h / 2) < (w / 5) * (w / 5);
      const double base = 110 + 45 * waveX[x] + 35 * waveY[y] + (inDisc ? 40 : 0);
      for (int c = 0; c < components; ++c) {
        const int v = static_cast<int>(base) + 20 * c - 20 + grain;
        pixels[i++] = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  return pixels;
}
