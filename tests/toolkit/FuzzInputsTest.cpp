// Replays every kept fuzzer input through its loader: none may crash, and a
// failed load must leave the image as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/toolkit/ImageFiles.h"
#include "toolkit/dv_Image.h"

namespace {

std::filesystem::path inputsDir(const char* fuzzer) {
  const char* source = std::getenv("BRISEL_SOURCE");
#ifdef BRISEL_SOURCE_DIR
  if (source == nullptr) source = BRISEL_SOURCE_DIR;
#endif
  return std::filesystem::path(source ? source : ".") / "tests" / "inputs" / fuzzer;
}

template <class Load>
int replay(const char* fuzzer, Load load) {
  int count = 0;
  const std::filesystem::path dir = inputsDir(fuzzer);
  if (!std::filesystem::is_directory(dir)) return 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::vector<uint8_t> bytes = readBytes(entry.path().string());
    dv_Image image(1, 1);
    image.setRGBA(0, 0, 1, 2, 3, 4);
    if (!load(image, bytes)) {
      EXPECT_EQ(image.getAlpha(0, 0), 4) << entry.path();
    }
    ++count;
  }
  return count;
}

TEST(FuzzInputsTest, KeptInputsLoadSafely) {
  const int bmp = replay("fuzz_bmp", [](dv_Image& i, const std::vector<uint8_t>& b) {
    return i.loadBMPData(b.data(), b.size()) == dv_Image::LoadOk;
  });
  const int png = replay("fuzz_png", [](dv_Image& i, const std::vector<uint8_t>& b) {
    return i.loadPNGData(b.data(), b.size()) == dv_Image::LoadOk;
  });
  const int jpeg = replay(
      "fuzz_jpeg", [](dv_Image& i, const std::vector<uint8_t>& b) { return i.loadJPEGData(b.data(), b.size()); });
  EXPECT_GT(bmp + png + jpeg, 0) << "no kept inputs found under " << inputsDir("").string();
}

}  // namespace
