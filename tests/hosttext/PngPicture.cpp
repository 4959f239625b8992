#include "tests/hosttext/PngPicture.h"

#include <png.h>

#include <cstring>

namespace hosttext {

bool writePng(const std::string& path, const Picture& picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_BGRA;
  return png_image_write_to_file(&image, path.c_str(), 0, picture.pixels.data(), picture.width * 4, nullptr) != 0;
}

bool readPng(const std::string& path, Picture& picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_BGRA;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.assign(PNG_IMAGE_SIZE(image), 0);
  if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), picture.width * 4, nullptr)) {
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace hosttext
