#include "tests/framework/widgets/PaintTestSupport.h"

#include <cstdio>

namespace painttest {

std::vector<std::uint32_t> words(const NVImage& image) {
  const size_t count = static_cast<size_t>(image.getWidth()) * image.getHeight();
  return std::vector<std::uint32_t>(image.getPixels(), image.getPixels() + count);
}

std::string firstDifference(const NVImage& image, const paintref::Canvas& ref) {
  char text[160];
  if (image.getWidth() != ref.w || image.getHeight() != ref.h) {
    std::snprintf(text, sizeof text, "size %dx%d, expected %dx%d", image.getWidth(), image.getHeight(), ref.w, ref.h);
    return text;
  }
  const std::vector<std::uint32_t> got = words(image);
  for (size_t i = 0; i < got.size(); ++i) {
    if (got[i] == ref.px[i]) continue;
    std::snprintf(text, sizeof text, "pixel (%d, %d) is %08X, expected %08X", static_cast<int>(i % ref.w),
                  static_cast<int>(i / ref.w), static_cast<unsigned>(got[i]), static_cast<unsigned>(ref.px[i]));
    return text;
  }
  return {};
}

Rgba pixel(const NVImage& image, int x, int y) {
  const std::uint32_t p = image.getPixels()[static_cast<size_t>(y) * image.getWidth() + x];
  return {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255), static_cast<int>(p & 255),
          static_cast<int>(p >> 24)};
}

}  // namespace painttest
