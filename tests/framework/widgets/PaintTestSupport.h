// Helpers that read painted images back for comparison with the references.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/compose/NVImage.h"
#include "tests/framework/widgets/PaintReference.h"

namespace painttest {

// The image's pixels as 0xAARRGGBB words, top row first.
std::vector<std::uint32_t> words(const NVImage& image);

// Empty when the image has the reference's size and pixels; otherwise where
// and how the first pixel differs.
std::string firstDifference(const NVImage& image, const paintref::Canvas& ref);

// The red, green, blue and alpha of one pixel.
struct Rgba {
  int r, g, b, a;
  bool operator==(const Rgba&) const = default;
};
Rgba pixel(const NVImage& image, int x, int y);

}  // namespace painttest
