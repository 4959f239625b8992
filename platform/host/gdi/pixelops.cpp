// Rectangle fills and copies on pixel buffers.
//  [x] fills and overlapping copies within one buffer
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/host/gdi/PixelOps.h"

namespace nvhost::gdi {

void fillPixels(std::uint32_t* words, int width, const RECT& area, std::uint32_t value) {
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint32_t* row = words + static_cast<std::ptrdiff_t>(y) * width;
    std::fill(row + area.left, row + area.right, value);
  }
}

void copyPixels(std::uint32_t* target, int targetWidth, const RECT& area, const std::uint32_t* source, int sourceWidth,
                int dx, int dy) {
  const int rows = area.bottom - area.top;
  const std::size_t rowBytes = static_cast<std::size_t>(area.right - area.left) * 4;
  // Walking against the direction of the shift keeps rows that overlap in
  // one buffer from being read after they are overwritten; memmove takes
  // care of the overlap within a row.
  const bool upward = target == source && dy < 0;
  for (int i = 0; i < rows; ++i) {
    const int y = upward ? area.bottom - 1 - i : area.top + i;
    std::memmove(target + static_cast<std::ptrdiff_t>(y) * targetWidth + area.left,
                 source + static_cast<std::ptrdiff_t>(y + dy) * sourceWidth + area.left + dx, rowBytes);
  }
}

}  // namespace nvhost::gdi
