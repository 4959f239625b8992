#include "toolkit/dv_BmpCodec.h"

#include <cstdio>
#include <vector>

#include "toolkit/dv_Image.h"

namespace {

constexpr size_t kHeaderBytes = 54;

uint32_t u16(const uint8_t* p) { return static_cast<uint32_t>(p[0] | p[1] << 8); }
uint32_t u32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
int32_t i32(const uint8_t* p) { return static_cast<int32_t>(u32(p)); }

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

struct Palette {
  const uint8_t* entries;  // blue, green, red, spare
  size_t count;
};

// The palette index of pixel x in a row of 1, 4 or 8 bits per pixel.
unsigned indexAt(const uint8_t* row, int x, int bits) {
  switch (bits) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1u;
    case 4: return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu;
    default: return row[x];
  }
}

void decodeRow(const uint8_t* row, int width, int bits, const Palette& palette, uint8_t* out) {
  for (int x = 0; x < width; ++x, out += 4) {
    if (bits <= 8) {
      const unsigned i = indexAt(row, x, bits);
      // An index past the palette reads as black rather than beyond the data.
      const uint8_t* e = i < palette.count ? palette.entries + 4 * i : nullptr;
      out[0] = e ? e[2] : 0;
      out[1] = e ? e[1] : 0;
      out[2] = e ? e[0] : 0;
      out[3] = 255;
    } else {
      const uint8_t* p = row + static_cast<size_t>(x) * (bits / 8);
      out[0] = p[2];
      out[1] = p[1];
      out[2] = p[0];
      out[3] = bits == 32 ? static_cast<uint8_t>(255 - p[3]) : 255;
    }
  }
}

}  // namespace

int dv_DecodeBmp(const uint8_t* data, size_t size, dv_Image& out) {
  if (size < 2 || data[0] != 'B' || data[1] != 'M') return dv_Image::LoadFormatError;
  if (size < kHeaderBytes) return dv_Image::LoadFormatError;
  const uint32_t offset = u32(data + 10);
  const int32_t width = i32(data + 18);
  const int32_t height = i32(data + 22);
  const int bits = static_cast<int>(u16(data + 28));
  // Every declared size is checked against the data before anything is
  // allocated: the file must hold the palette and every row it announces.
  if (offset < kHeaderBytes || offset > size) return dv_Image::LoadFormatError;
  if (width < 1 || height < 1 || width > dv_Image::MaxSide || height > dv_Image::MaxSide)
    return dv_Image::LoadFormatError;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return dv_Image::LoadFormatError;
  const uint64_t rowBytes = ((static_cast<uint64_t>(bits) * width + 7) / 8 + 3) / 4 * 4;
  if (rowBytes * static_cast<uint64_t>(height) > size - offset) return dv_Image::LoadFormatError;
  Palette palette{data + kHeaderBytes, bits <= 8 ? (offset - kHeaderBytes) / 4 : 0};
  if (!out.reset(width, height, true)) return dv_Image::LoadNoMemory;
  // File rows run from the image's last row upwards, as the buffer's do.
  for (int32_t r = 0; r < height; ++r)
    decodeRow(data + offset + rowBytes * static_cast<uint64_t>(r), width, bits, palette,
              out.getBuffer() + out.pixelOffset(0, height - 1 - r));
  out.markAllUpdated();
  return dv_Image::LoadOk;
}

bool dv_EncodeBmp(const dv_Image& image, const std::string& path, bool withAlpha) {
  if (image.isEmpty()) return false;
  const int w = image.getWidth();
  const int h = image.getHeight();
  const size_t pixelBytes = withAlpha ? 4 : 3;
  const size_t rowBytes = (static_cast<size_t>(w) * pixelBytes + 3) / 4 * 4;
  const uint64_t dataBytes = static_cast<uint64_t>(rowBytes) * static_cast<uint64_t>(h);
  if (kHeaderBytes + dataBytes > 0xFFFFFFFFu) return false;
  std::vector<uint8_t> header;
  header.push_back('B');
  header.push_back('M');
  put32(header, static_cast<uint32_t>(kHeaderBytes + dataBytes));
  put32(header, 0);
  put32(header, kHeaderBytes);
  put32(header, 40);
  put32(header, static_cast<uint32_t>(w));
  put32(header, static_cast<uint32_t>(h));
  put16(header, 1);
  put16(header, withAlpha ? 32 : 24);
  for (int i = 0; i < 6; ++i) put32(header, 0);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(header.data(), 1, header.size(), file) == header.size();
  std::vector<uint8_t> row(rowBytes, 0);
  for (int r = 0; ok && r < h; ++r) {
    const uint8_t* src = image.getBuffer() + image.pixelOffset(0, h - 1 - r);
    for (int x = 0; x < w; ++x, src += 4) {
      uint8_t* dst = row.data() + static_cast<size_t>(x) * pixelBytes;
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
      if (withAlpha) dst[3] = static_cast<uint8_t>(255 - src[3]);
    }
    ok = std::fwrite(row.data(), 1, rowBytes, file) == rowBytes;
  }
  ok = std::fclose(file) == 0 && ok;
  if (!ok) std::remove(path.c_str());
  return ok;
}
