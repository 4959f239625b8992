// Feeds arbitrary bytes to the BMP loader. It must never crash or read past
// the data; a failed load must leave the image as it was, and a successful
// one must give an image whose every pixel can be read.
#include <cstdint>
#include <cstdlib>

#include "toolkit/dv_Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  dv_Image image(1, 1);
  image.setRGBA(0, 0, 1, 2, 3, 4);
  if (!(image.loadBMPData(data, size) == dv_Image::LoadOk)) {
    if (image.getWidth() != 1 || image.getAlpha(0, 0) != 4) std::abort();
    return 0;
  }
  if (image.getWidth() < 1 || image.getHeight() < 1) std::abort();
  unsigned sum = 0;
  for (int y = 0; y < image.getHeight(); ++y)
    for (int x = 0; x < image.getWidth(); ++x) sum += static_cast<unsigned>(image.getAlpha(x, y));
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
