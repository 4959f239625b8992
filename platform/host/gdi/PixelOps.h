// Rectangle fills and copies on 32-bit pixel buffers, shared by the blits,
// the brushes and the text calls.
#pragma once

#include <cstdint>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::gdi {

// Sets every pixel of `area` (already inside the buffer) to `value`.
void fillPixels(std::uint32_t* words, int width, const RECT& area, std::uint32_t value);

// Copies the pixels of `area` of the target from the source at the offset
// (dx, dy): target pixel (x, y) takes source pixel (x + dx, y + dy). Both
// areas lie inside their buffers; the buffers may be the same one.
void copyPixels(std::uint32_t* target, int targetWidth, const RECT& area, const std::uint32_t* source, int sourceWidth,
                int dx, int dy);

// The value GDI writes for a colour into a 32-bit bitmap: the alpha byte 0.
inline std::uint32_t gdiPixel(COLORREF color) {
  return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

}  // namespace nvhost::gdi
