#include "platform/host/text/GlyphBlending.h"

#include <algorithm>

namespace nvhost::text {

PixelBox drawableBox(const Surface& surface, const Rect* limit) {
  long long left = std::max(0, surface.clip.left), top = std::max(0, surface.clip.top);
  long long right = std::min(surface.width, surface.clip.right);
  long long bottom = std::min(surface.height, surface.clip.bottom);
  if (limit) {
    left = std::max(left, static_cast<long long>(limit->left) + surface.originX);
    top = std::max(top, static_cast<long long>(limit->top) + surface.originY);
    right = std::min(right, static_cast<long long>(limit->right) + surface.originX);
    bottom = std::min(bottom, static_cast<long long>(limit->bottom) + surface.originY);
  }
  if (!surface.pixels || left >= right || top >= bottom) return PixelBox{};
  return PixelBox{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
}

void blendGlyph(const Surface& surface, const PixelBox& box, const Glyph& glyph, long long penX, long long baselineY,
                Rgb colour) {
  const long long x0 = penX + glyph.left + surface.originX;
  const long long y0 = baselineY - glyph.top + surface.originY;
  const long long left = std::max<long long>(x0, box.left), right = std::min<long long>(x0 + glyph.width, box.right);
  const long long top = std::max<long long>(y0, box.top), bottom = std::min<long long>(y0 + glyph.height, box.bottom);
  for (long long y = top; y < bottom; ++y) {
    const std::uint8_t* cov = glyph.coverage.data() + (y - y0) * glyph.width + (left - x0);
    std::uint8_t* px = surface.pixels + y * surface.stride + left * 4;
    for (long long x = left; x < right; ++x, ++cov, px += 4) {
      const std::uint8_t a = *cov;
      if (a == 0) continue;
      px[0] = blendChannel(px[0], colour.blue, a);
      px[1] = blendChannel(px[1], colour.green, a);
      px[2] = blendChannel(px[2], colour.red, a);
    }
  }
}

void fillBox(const Surface& surface, const PixelBox& box, const WideRect& rect, Rgb colour) {
  const long long left = std::max<long long>(rect.left + surface.originX, box.left);
  const long long right = std::min<long long>(rect.right + surface.originX, box.right);
  const long long top = std::max<long long>(rect.top + surface.originY, box.top);
  const long long bottom = std::min<long long>(rect.bottom + surface.originY, box.bottom);
  for (long long y = top; y < bottom; ++y) {
    std::uint8_t* px = surface.pixels + y * surface.stride + left * 4;
    for (long long x = left; x < right; ++x, px += 4) {
      px[0] = colour.blue;
      px[1] = colour.green;
      px[2] = colour.red;
    }
  }
}

}  // namespace nvhost::text
