#include "toolkit/dv_PngCodec.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "toolkit/dv_Image.h"

namespace {

// Deflate turns at most 258 bytes into one match coded in two bits, so no
// zlib stream inflates more than 1032 times its size; the slack covers the
// smallest streams, where headers dominate.
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kInflateSlack = 1024;
// No ancillary chunk is used, so none needs much memory: libpng refuses to
// buffer a larger one, and the decoder skips the known ones unread.
constexpr png_alloc_size_t kChunkMallocMax = 1 << 20;

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

struct DecodeState {
  MemoryReader reader;
  uint64_t imageDataBytes;
  std::vector<uint8_t> pixels;
  std::vector<png_bytep> rows;
};

uint32_t be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}

// The bytes of compressed image data the file really holds: the contents of
// its IDAT chunks before IEND, as far as the data reaches. Other chunks,
// however large, add nothing an image could be inflated from.
uint64_t countImageDataBytes(const uint8_t* data, size_t size) {
  uint64_t total = 0;
  size_t pos = 8;
  while (pos <= size && size - pos >= 8) {
    const size_t length = be32(data + pos);
    const size_t available = size - pos - 8;
    const bool idat = std::memcmp(data + pos + 4, "IDAT", 4) == 0;
    if (idat) total += length < available ? length : available;
    if (std::memcmp(data + pos + 4, "IEND", 4) == 0 || available < 4 || length > available - 4) break;
    pos += 12 + length;
  }
  return total;
}

void readFromMemory(png_structp png, png_bytep out, png_size_t n) {
  auto* r = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (n > r->size - r->pos) png_error(png, "unexpected end of data");
  std::memcpy(out, r->data + r->pos, n);
  r->pos += n;
}

[[noreturn]] void failQuietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

bool supported(int colorType, int bitDepth) {
  switch (colorType) {
    case PNG_COLOR_TYPE_RGB:
    case PNG_COLOR_TYPE_RGB_ALPHA:
    case PNG_COLOR_TYPE_PALETTE: return bitDepth == 8;
    case PNG_COLOR_TYPE_GRAY: return bitDepth == 8 || bitDepth == 1;
    default: return false;
  }
}

void convertRow(const uint8_t* in, int width, int colorType, int bitDepth, png_colorp palette, int paletteSize,
                uint8_t* out) {
  for (int x = 0; x < width; ++x, out += 4) {
    out[3] = 255;
    switch (colorType) {
      case PNG_COLOR_TYPE_RGB: std::memcpy(out, in + 3 * x, 3); break;
      case PNG_COLOR_TYPE_RGB_ALPHA: std::memcpy(out, in + 4 * x, 4); break;
      case PNG_COLOR_TYPE_GRAY: {
        const uint8_t grey = bitDepth == 1 ? (((in[x / 8] >> (7 - x % 8)) & 1) ? 255 : 0) : in[x];
        out[0] = out[1] = out[2] = grey;
        break;
      }
      default: {  // palette; an index past the palette reads as black
        const int i = in[x];
        out[0] = i < paletteSize ? palette[i].red : 0;
        out[1] = i < paletteSize ? palette[i].green : 0;
        out[2] = i < paletteSize ? palette[i].blue : 0;
      }
    }
  }
}

struct Layout {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colorType = 0;
  int interlace = 0;
  size_t rowBytes = 0;
  png_colorp palette = nullptr;
  int paletteSize = 0;
};

// Rows are decoded one at a time into a single row buffer; only interlaced
// images, whose passes revisit every row, need all raw rows at once. Every
// size is checked against what this build can address before it is used.
bool allocateRows(DecodeState& state, const Layout& layout) {
  const uint64_t rows = layout.interlace == PNG_INTERLACE_NONE ? 1 : layout.height;
  if (layout.rowBytes == 0 || rows > SIZE_MAX / layout.rowBytes || rows > SIZE_MAX / sizeof(png_bytep)) return false;
  try {
    state.pixels.resize(layout.rowBytes * static_cast<size_t>(rows));
    state.rows.resize(static_cast<size_t>(rows));
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (size_t y = 0; y < state.rows.size(); ++y) state.rows[y] = state.pixels.data() + layout.rowBytes * y;
  return true;
}

// The inflated size of the image data the header announces: each row with
// its filter byte (interlaced images need at least as much).
uint64_t rawBytesOf(const Layout& layout) {
  return static_cast<uint64_t>(layout.height) * (static_cast<uint64_t>(layout.rowBytes) + 1);
}

int checkLayout(const DecodeState& state, const Layout& layout) {
  if (!supported(layout.colorType, layout.bitDepth)) return dv_Image::LoadFormatError;
  if (rawBytesOf(layout) > state.imageDataBytes * kMaxInflateRatio + kInflateSlack) return dv_Image::LoadFormatError;
  return dv_Image::LoadOk;
}

void convertInto(const uint8_t* row, const Layout& l, png_uint_32 y, dv_Image& out) {
  convertRow(row, static_cast<int>(l.width), l.colorType, l.bitDepth, l.palette, l.paletteSize,
             out.getBuffer() + out.pixelOffset(0, static_cast<int>(y)));
}

void readRows(png_structp png, DecodeState& state, const Layout& l, dv_Image& out) {
  if (l.interlace == PNG_INTERLACE_NONE) {
    for (png_uint_32 y = 0; y < l.height; ++y) {
      png_read_row(png, state.rows[0], nullptr);
      convertInto(state.rows[0], l, y, out);
    }
    return;
  }
  png_read_image(png, state.rows.data());
  for (png_uint_32 y = 0; y < l.height; ++y) convertInto(state.rows[y], l, y, out);
}

void setLimits(png_structp png) {
  png_set_user_limits(png, dv_Image::MaxSide, dv_Image::MaxSide);
  png_set_chunk_malloc_max(png, kChunkMallocMax);
#ifdef PNG_HANDLE_AS_UNKNOWN_SUPPORTED
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
#endif
}

Layout readLayout(png_structp png, png_infop info) {
  Layout l;
  png_get_IHDR(png, info, &l.width, &l.height, &l.bitDepth, &l.colorType, &l.interlace, nullptr, nullptr);
  l.rowBytes = png_get_rowbytes(png, info);
  if (l.colorType == PNG_COLOR_TYPE_PALETTE) png_get_PLTE(png, info, &l.palette, &l.paletteSize);
  return l;
}

// Holds no object with a destructor: libpng leaves it by longjmp on errors.
// The image is sized only once the header has been checked against the
// compressed data that could fill it.
int decode(DecodeState& state, dv_Image& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, ignoreWarning);
  if (png == nullptr) return dv_Image::LoadFormatError;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return dv_Image::LoadFormatError;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return dv_Image::LoadFormatError;
  }
  png_set_read_fn(png, &state.reader, readFromMemory);
  setLimits(png);
  png_read_info(png, info);
  const Layout layout = readLayout(png, info);
  int result = checkLayout(state, layout);
  if (result == dv_Image::LoadOk && (!allocateRows(state, layout) ||
                                     !out.reset(static_cast<int>(layout.width), static_cast<int>(layout.height), true)))
    result = dv_Image::LoadNoMemory;
  if (result == dv_Image::LoadOk) readRows(png, state, layout, out);
  png_destroy_read_struct(&png, &info, nullptr);
  if (result == dv_Image::LoadOk) out.markAllUpdated();
  return result;
}

void writeToFile(png_structp png, png_bytep data, png_size_t n) {
  if (std::fwrite(data, 1, n, static_cast<std::FILE*>(png_get_io_ptr(png))) != n) png_error(png, "write failed");
}

void flushFile(png_structp png) { std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png))); }

// Holds no object with a destructor: libpng leaves it by longjmp on errors.
bool encode(const dv_Image& image, std::FILE* file, bool withAlpha, std::vector<uint8_t>& row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, ignoreWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, file, writeToFile, flushFile);
  const int w = image.getWidth();
  const int h = image.getHeight();
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
               withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const int channels = withAlpha ? 4 : 3;
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = image.getBuffer() + image.pixelOffset(0, y);
    for (int x = 0; x < w; ++x) std::memcpy(row.data() + x * channels, src + 4 * x, channels);
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

int dv_DecodePng(const uint8_t* data, size_t size, dv_Image& out) {
  if (size < 4 || png_sig_cmp(data, 0, 4) != 0) return dv_Image::LoadFormatError;
  DecodeState state{MemoryReader{data, size, 0}, countImageDataBytes(data, size), {}, {}};
  return decode(state, out);
}

bool dv_EncodePng(const dv_Image& image, const std::string& path, bool withAlpha) {
  // An empty image has no PNG form: PNG requires at least one pixel.
  if (image.isEmpty()) return false;
  std::vector<uint8_t> row;
  try {
    row.resize(static_cast<size_t>(image.getWidth()) * 4);
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = encode(image, file, withAlpha, row);
  ok = std::fclose(file) == 0 && ok;
  if (!ok) std::remove(path.c_str());
  return ok;
}

std::vector<std::string> dv_PngLibraryCredits() {
  return {"libpng " PNG_LIBPNG_VER_STRING
          "  (C) The PNG Reference Library Authors  http://www.libpng.org/pub/png/libpng.html",
          "zlib " ZLIB_VERSION "  (C) Jean-loup Gailly and Mark Adler  https://zlib.net/"};
}
