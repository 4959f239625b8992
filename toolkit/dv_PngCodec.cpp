#include "toolkit/dv_PngCodec.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "toolkit/dv_Image.h"

namespace {

// Deflate cannot expand data by more than about 1032 times, so a PNG whose
// rows would need more than that from its whole size is lying about its size.
constexpr uint64_t kMaxInflateRatio = 1040;
constexpr uint64_t kInflateSlack = 65536;

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

struct DecodeState {
  MemoryReader reader;
  std::vector<uint8_t> pixels;
  std::vector<png_bytep> rows;
};

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
    case PNG_COLOR_TYPE_PALETTE:
      return bitDepth == 8;
    case PNG_COLOR_TYPE_GRAY:
      return bitDepth == 8 || bitDepth == 1;
    default:
      return false;
  }
}

void convertRow(const uint8_t* in, int width, int colorType, int bitDepth, png_colorp palette,
                int paletteSize, uint8_t* out) {
  for (int x = 0; x < width; ++x, out += 4) {
    out[3] = 255;
    switch (colorType) {
      case PNG_COLOR_TYPE_RGB:
        std::memcpy(out, in + 3 * x, 3);
        break;
      case PNG_COLOR_TYPE_RGB_ALPHA:
        std::memcpy(out, in + 4 * x, 4);
        break;
      case PNG_COLOR_TYPE_GRAY: {
        const uint8_t grey =
            bitDepth == 1 ? (((in[x / 8] >> (7 - x % 8)) & 1) ? 255 : 0) : in[x];
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

bool allocateRows(DecodeState& state, size_t rowBytes, png_uint_32 height) {
  try {
    state.pixels.resize(rowBytes * height);
    state.rows.resize(height);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (png_uint_32 y = 0; y < height; ++y) state.rows[y] = state.pixels.data() + rowBytes * y;
  return true;
}

// Holds no object with a destructor: libpng leaves it by longjmp on errors.
int decode(DecodeState& state, dv_Image& out) {
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, ignoreWarning);
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
  png_set_user_limits(png, dv_Image::MaxSide, dv_Image::MaxSide);
  png_read_info(png, info);
  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colorType = 0;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const uint64_t rawBytes = static_cast<uint64_t>(height) * (rowBytes + 1);
  int result = dv_Image::LoadOk;
  if (!supported(colorType, bitDepth) ||
      rawBytes > state.reader.size * kMaxInflateRatio + kInflateSlack)
    result = dv_Image::LoadFormatError;
  else if (!allocateRows(state, rowBytes, height) ||
           !out.reset(static_cast<int>(width), static_cast<int>(height), true))
    result = dv_Image::LoadNoMemory;
  if (result != dv_Image::LoadOk) {
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
  }
  png_read_image(png, state.rows.data());
  png_colorp palette = nullptr;
  int paletteSize = 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_get_PLTE(png, info, &palette, &paletteSize);
  for (png_uint_32 y = 0; y < height; ++y)
    convertRow(state.rows[y], static_cast<int>(width), colorType, bitDepth, palette, paletteSize,
               out.getBuffer() + out.pixelOffset(0, static_cast<int>(y)));
  png_destroy_read_struct(&png, &info, nullptr);
  out.markAllUpdated();
  return dv_Image::LoadOk;
}

void writeToFile(png_structp png, png_bytep data, png_size_t n) {
  if (std::fwrite(data, 1, n, static_cast<std::FILE*>(png_get_io_ptr(png))) != n)
    png_error(png, "write failed");
}

void flushFile(png_structp png) { std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png))); }

// Holds no object with a destructor: libpng leaves it by longjmp on errors.
bool encode(const dv_Image& image, std::FILE* file, bool withAlpha, std::vector<uint8_t>& row) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, ignoreWarning);
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
  DecodeState state{MemoryReader{data, size, 0}, {}, {}};
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
  return {"libpng " PNG_LIBPNG_VER_STRING "  (C) The PNG Reference Library Authors  http://www.libpng.org/pub/png/libpng.html",
          "zlib " ZLIB_VERSION "  (C) Jean-loup Gailly and Mark Adler  https://zlib.net/"};
}
