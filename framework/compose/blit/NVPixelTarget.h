// A view of the 32-bit pixel buffer that a scene composes into and the
// blitters draw on: it owns nothing.
#pragma once

#include <cstddef>
#include <cstdint>

// Byte orders and row orders of a target. The numbers are those the scenes
// store in their target layout.
enum class NVPixelLayout : int {
  None = 0,  // no target bound
  Bgra = 1,  // top-down rows, bytes B, G, R, A (the framework's images)
  Rgba = 2,  // bottom-up rows, bytes R, G, B, A (the toolkit's images)
};

struct NVPixelTarget {
  // At least (height - 1) * stride + width words.
  std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;
  int stride = 0;  // row length in pixels
  NVPixelLayout layout = NVPixelLayout::Bgra;

  // The buffer row that holds picture row y.
  constexpr int bufferRow(int y) const { return layout == NVPixelLayout::Rgba ? height - 1 - y : y; }
  // The first pixel of picture row y.
  std::uint32_t* row(int y) const { return pixels + std::ptrdiff_t(bufferRow(y)) * stride; }
};
