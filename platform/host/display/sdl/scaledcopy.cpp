// Presentation at the display's scale.
//  [x] scale 1: the area converted straight into the surface
//  [x] larger scales: the area converted once, then each pixel widened and
//      each row repeated, so that a block is exactly its pixel's colour
//  [x] surfaces of 1 to 4 bytes a pixel
#include "platform/host/display/sdl/scaledcopy.h"

#include <algorithm>
#include <cstring>

namespace nvhost::sdl {

namespace {

// Writes one converted row of `count` pixels, each `scale` times.
void widenRow(const Uint8* from, Uint8* to, int count, int scale, int bytes) {
  if (bytes == 4) {
    auto* out = reinterpret_cast<Uint32*>(to);
    for (int i = 0; i < count; ++i) {
      Uint32 p;
      std::memcpy(&p, from + static_cast<size_t>(i) * 4, sizeof p);
      for (int k = 0; k < scale; ++k) *out++ = p;
    }
    return;
  }
  for (int i = 0; i < count; ++i, from += bytes) {
    for (int k = 0; k < scale; ++k, to += bytes) std::memcpy(to, from, static_cast<size_t>(bytes));
  }
}

}  // namespace

SDL_Rect copyScaled(const gdi::PixelBuffer& source, SDL_Surface* target, RECT area, int scale,
                    std::vector<Uint8>& scratch) {
  scale = std::max(scale, 1);
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, std::min(source.width, target->w / scale));
  area.bottom = std::min<LONG>(area.bottom, std::min(source.height, target->h / scale));
  if (area.left >= area.right || area.top >= area.bottom) return SDL_Rect{0, 0, 0, 0};
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  const int bytes = target->format->BytesPerPixel;
  const std::uint32_t* from = source.words.get() + static_cast<size_t>(area.top) * source.width + area.left;
  auto* to = static_cast<Uint8*>(target->pixels) + static_cast<size_t>(area.top) * scale * target->pitch +
             static_cast<size_t>(area.left) * scale * bytes;
  const SDL_Rect written{static_cast<int>(area.left) * scale, static_cast<int>(area.top) * scale, w * scale, h * scale};
  if (scale == 1) {
    SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_ARGB8888, from, source.width * 4, target->format->format, to,
                      target->pitch);
    return written;
  }
  // Converted at the host's size first: each block then holds exactly what
  // scale 1 would show for its pixel.
  const int rowBytes = w * bytes;
  scratch.resize(static_cast<size_t>(rowBytes) * h);
  SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_ARGB8888, from, source.width * 4, target->format->format, scratch.data(),
                    rowBytes);
  const size_t wideBytes = static_cast<size_t>(rowBytes) * scale;
  for (int y = 0; y < h; ++y) {
    Uint8* first = to + static_cast<size_t>(y) * scale * target->pitch;
    widenRow(scratch.data() + static_cast<size_t>(y) * rowBytes, first, w, scale, bytes);
    for (int k = 1; k < scale; ++k) std::memcpy(first + static_cast<size_t>(k) * target->pitch, first, wideBytes);
  }
  return written;
}

}  // namespace nvhost::sdl
