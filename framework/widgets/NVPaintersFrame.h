// Helpers of the window frame painters, which write the colour bytes of the
// pixels directly and leave alpha alone.
#pragma once

#include <cstddef>

#include "framework/widgets/NVPaintColour.h"

// Writes the colour of pixel (x, y), each channel limited to 0..255; a pixel
// outside the image is skipped.
inline void putFrameRGB(NVImage* image, int x, int y, NVPaintColour c) {
  if (x < 0 || y < 0 || x >= image->getWidth() || y >= image->getHeight()) return;
  auto* p = reinterpret_cast<unsigned char*>(image->getPixels() + static_cast<std::size_t>(y) * image->getWidth() + x);
  p[0] = static_cast<unsigned char>(clampChannel(c.b));
  p[1] = static_cast<unsigned char>(clampChannel(c.g));
  p[2] = static_cast<unsigned char>(clampChannel(c.r));
}

inline NVPaintColour readFrameRGB(const NVImage* image, int x, int y) {
  const auto* p =
      reinterpret_cast<const unsigned char*>(image->getPixels() + static_cast<std::size_t>(y) * image->getWidth() + x);
  return {p[2], p[1], p[0]};
}

// trunc(a * (1 - t) + b * t) per channel, in double precision.
NVPaintColour mixFrame(NVPaintColour a, NVPaintColour b, double t);

// One horizontal line of a colour, columns from..to inclusive.
void frameRow(NVImage* image, int y, int from, int to, NVPaintColour c);
// One vertical line of a colour over every row.
void frameColumn(NVImage* image, int x, NVPaintColour c);

inline const NVPaintColour kFrameWhite{255, 255, 255};
