#include "tests/support/ReferencePicture.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace refpic {

namespace {

std::string referenceBase(const std::string& name) { return std::string(BRISEL_SOURCE_DIR) + "/tests/ref/" + name; }

bool writingReferences() {
  const char* env = std::getenv("BRISEL_WRITE_REFS");
  return env != nullptr && std::string(env) == "1";
}

int worstChannel(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8)
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return worst;
}

// Differing pixels in opaque red over a dimmed grey copy of the picture;
// where only one of the two pictures has pixels, red as well.
Picture differenceImage(const Picture& reference, const Picture& picture, int channel) {
  Picture diff;
  diff.width = std::max(reference.width, picture.width);
  diff.height = std::max(reference.height, picture.height);
  diff.words.assign(static_cast<size_t>(diff.width) * diff.height, 0xFFFF0000u);
  for (int y = 0; y < diff.height; ++y)
    for (int x = 0; x < diff.width; ++x) {
      if (x >= reference.width || y >= reference.height || x >= picture.width || y >= picture.height) continue;
      const std::uint32_t got = picture.words[static_cast<size_t>(y) * picture.width + x];
      const std::uint32_t want = reference.words[static_cast<size_t>(y) * reference.width + x];
      if (worstChannel(got, want) > channel) continue;
      const std::uint32_t grey = (((got >> 16) & 0xFF) + ((got >> 8) & 0xFF) + (got & 0xFF)) / 12 + 64;
      diff.words[static_cast<size_t>(y) * diff.width + x] = 0xFF000000u | grey << 16 | grey << 8 | grey;
    }
  return diff;
}

int differingPixels(const Picture& reference, const Picture& picture, int channel) {
  int count = 0;
  for (size_t i = 0; i < picture.words.size(); ++i)
    count += worstChannel(reference.words[i], picture.words[i]) > channel;
  return count;
}

}  // namespace

Tolerance forText(const Picture& picture, const std::string& rasterizer) {
  if (rasterizer == "FreeType 2.13.2") return {};
  return {48, picture.width * picture.height / 100};
}

bool writePng(const std::string& path, const Picture& picture) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(picture.width);
  png.height = static_cast<png_uint_32>(picture.height);
  png.format = PNG_FORMAT_BGRA;
  return png_image_write_to_file(&png, path.c_str(), 0, picture.words.data(), picture.width * 4, nullptr) != 0;
}

bool readPng(const std::string& path, Picture& picture) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_BGRA;
  picture.width = static_cast<int>(png.width);
  picture.height = static_cast<int>(png.height);
  picture.words.assign(static_cast<size_t>(picture.width) * picture.height, 0);
  if (!png_image_finish_read(&png, nullptr, picture.words.data(), picture.width * 4, nullptr)) {
    png_image_free(&png);
    return false;
  }
  return true;
}

::testing::AssertionResult matchesReference(const std::string& name, const Picture& picture, Tolerance tolerance) {
  const std::string base = referenceBase(name);
  const std::string path = base + ".png", errPath = base + "_err.png", diffPath = base + "_diff.png";
  if (picture.width < 1 || picture.height < 1 ||
      picture.words.size() != static_cast<size_t>(picture.width) * picture.height)
    return ::testing::AssertionFailure() << name << ": no picture to compare";
  Picture reference;
  if (!readPng(path, reference)) {
    if (!writingReferences())
      return ::testing::AssertionFailure() << "no reference picture " << path << " (BRISEL_WRITE_REFS=1 writes it)";
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!writePng(path, picture)) return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess() << "wrote " << path;
  }
  const bool sameSize = reference.width == picture.width && reference.height == picture.height;
  const int differing = sameSize ? differingPixels(reference, picture, tolerance.channel) : -1;
  if (sameSize && differing <= tolerance.pixels) {
    std::filesystem::remove(errPath);
    std::filesystem::remove(diffPath);
    return ::testing::AssertionSuccess();
  }
  writePng(errPath, picture);
  writePng(diffPath, differenceImage(reference, picture, tolerance.channel));
  auto failure = ::testing::AssertionFailure() << name << " differs from its reference: ";
  if (sameSize)
    failure << differing << " pixels";
  else
    failure << picture.width << "x" << picture.height << " against " << reference.width << "x" << reference.height;
  return failure << "; see " << errPath << " and " << diffPath;
}

}  // namespace refpic
