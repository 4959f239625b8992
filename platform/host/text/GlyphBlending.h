// Coverage onto a caller's B, G, R, A pixels, the way GDI draws greyscale
// anti-aliased text on a 32-bit DIB: each colour channel moves from its old
// value toward the text colour by the coverage, and the alpha byte is left
// as it was. (GDI itself zeroes the alpha of the pixels it touches; nothing
// in the framework reads alpha after drawing text with GDI, and keeping it
// spares callers that draw into opaque buffers a repair pass.)
#pragma once

#include "platform/host/text/Glyph.h"
#include "platform/host/text/TextEngine.h"

namespace nvhost::text {

// The part of a surface that drawing may change, in buffer pixels.
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool empty() const { return left >= right || top >= bottom; }
};

// surface.clip cut to the buffer and, unless null, to `limit` (logical).
PixelBox drawableBox(const Surface& surface, const Rect* limit);

// One channel: old + (colour − old) × coverage / 255, rounded.
inline std::uint8_t blendChannel(std::uint8_t old, std::uint8_t colour, std::uint8_t coverage) {
  const unsigned v = old * (255u - coverage) + colour * static_cast<unsigned>(coverage) + 128u;
  return static_cast<std::uint8_t>((v + (v >> 8)) >> 8);
}

// Draws `glyph` with its pen at logical (penX, baselineY).
void blendGlyph(const Surface& surface, const PixelBox& box, const Glyph& glyph, long long penX, long long baselineY,
                Rgb colour);

// Logical coordinates may lie far outside the int range once offsets are
// added; drawing works in 64 bits and cuts to the box.
struct WideRect {
  long long left = 0;
  long long top = 0;
  long long right = 0;
  long long bottom = 0;
};

// Fills the logical rectangle [left, right) × [top, bottom) with `colour`.
void fillBox(const Surface& surface, const PixelBox& box, const WideRect& rect, Rgb colour);

}  // namespace nvhost::text
