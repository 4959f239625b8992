// Saving read-back pixels as PNG files, for tests and for looking at what a
// headless run drew.
//  [x] RGBA PNG of any read-back image
#include <png.h>

#include <cstring>

#include "platform/host/gdi/Surfaces.h"

namespace nvhost::gdi {

bool savePixelsPng(const PixelImage& image, const char* path) {
  if (path == nullptr || image.width < 1 || image.height < 1) return false;
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  // Little-endian 0xAARRGGBB words are the bytes B, G, R, A.
  png.format = PNG_FORMAT_BGRA;
  return png_image_write_to_file(&png, path, 0, image.words.data(), image.width * 4, nullptr) != 0;
}

}  // namespace nvhost::gdi
