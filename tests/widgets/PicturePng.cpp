#include "tests/widgets/PicturePng.h"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace paintpng {

namespace {

std::string refPath(const std::string& name) {
  return std::string(BRISEL_SOURCE_DIR) + "/tests/ref/widgets/" + name;
}

// The words are B, G, R, A bytes in memory on every host this project
// builds for, which is libpng's BGRA layout.
bool writePng(const std::string& path, int width, int height, const std::vector<std::uint32_t>& words) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(width);
  png.height = static_cast<png_uint_32>(height);
  png.format = PNG_FORMAT_BGRA;
  return png_image_write_to_file(&png, path.c_str(), 0, words.data(), width * 4, nullptr) != 0;
}

bool readPng(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& words) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_BGRA;
  width = static_cast<int>(png.width);
  height = static_cast<int>(png.height);
  words.assign(static_cast<size_t>(width) * height, 0);
  if (!png_image_finish_read(&png, nullptr, words.data(), width * 4, nullptr)) {
    png_image_free(&png);
    return false;
  }
  return true;
}

}  // namespace

std::string checkPicture(const std::string& name, int width, int height, const std::vector<std::uint32_t>& words) {
  const char* env = std::getenv("BRISEL_WRITE_REFS");
  const bool write = env != nullptr && std::string(env) == "1";
  const std::string path = refPath(name + ".png"), errPath = refPath(name + "_err.png");
  int refW = 0, refH = 0;
  std::vector<std::uint32_t> ref;
  const bool have = readPng(path, refW, refH, ref);
  const bool same = have && refW == width && refH == height && ref == words;
  if (same) {
    std::filesystem::remove(errPath);
    return {};
  }
  if (write) return writePng(path, width, height, words) ? std::string() : "cannot write " + path;
  if (!have) return {};
  writePng(errPath, width, height, words);
  return name + " differs from its reference picture; see " + errPath;
}

}  // namespace paintpng
