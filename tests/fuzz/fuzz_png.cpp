// Feeds arbitrary bytes to the PNG loader. It must never crash or read past
// the data; a failed load must leave the image as it was, and a successful
// one must give an image whose every pixel can be read. Chunk checksums are
// repaired first, so that mutations reach the decoder instead of stopping at
// the checksum test.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "toolkit/dv_Image.h"

namespace {

uint32_t be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}

void repairChecksums(std::vector<uint8_t>& png) {
  size_t pos = 8;
  while (pos + 12 <= png.size()) {
    const uint32_t length = be32(&png[pos]);
    if (length > png.size() - pos - 12) break;
    const uLong crc = crc32(0, &png[pos + 4], static_cast<uInt>(length + 4));
    uint8_t* out = &png[pos + 8 + length];
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    pos += 12 + length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> png(data, data + size);
  repairChecksums(png);
  dv_Image image(1, 1);
  image.setRGBA(0, 0, 1, 2, 3, 4);
  if (image.loadPNGData(png.data(), png.size()) != dv_Image::LoadOk) {
    if (image.getWidth() != 1 || image.getAlpha(0, 0) != 4) std::abort();
    return 0;
  }
  if (image.getWidth() < 1 || image.getHeight() < 1) std::abort();
  unsigned sum = 0;
  for (int y = 0; y < image.getHeight(); ++y)
    for (int x = 0; x < image.getWidth(); ++x) sum += static_cast<unsigned>(image.getAlpha(x, y));
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
