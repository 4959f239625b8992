// The host's pixels copied into SDL surfaces at every scale: each pixel a
// block of exactly the colour scale 1 shows for it, nothing outside the
// area touched.
#include "platform/host/display/sdl/scaledcopy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using nvhost::gdi::PixelBuffer;
using nvhost::sdl::copyScaled;

constexpr int kWidth = 7, kHeight = 5;

// A source whose pixels all differ, alpha bytes included (GDI leaves many
// of them 0).
PixelBuffer source() {
  PixelBuffer p;
  p.width = kWidth;
  p.height = kHeight;
  p.words = std::make_unique<std::uint32_t[]>(kWidth * kHeight);
  for (int i = 0; i < kWidth * kHeight; ++i) p.words[i] = (i % 3 == 0 ? 0u : 0xFF000000u) | (0x10305Au * (i + 1));
  return p;
}

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

Surface filled(int width, int height, Uint32 format) {
  Surface s(SDL_CreateRGBSurfaceWithFormat(0, width, height, 0, format));
  if (s) std::memset(s->pixels, 0xA5, static_cast<size_t>(s->pitch) * s->h);
  return s;
}

// The bytes of one pixel of a surface.
std::string pixelAt(const SDL_Surface* s, int x, int y) {
  const int bytes = s->format->BytesPerPixel;
  const auto* p = static_cast<const char*>(s->pixels) + static_cast<size_t>(y) * s->pitch + x * bytes;
  return std::string(p, static_cast<size_t>(bytes));
}

// The colour a pixel of a surface shows, as 0xRRGGBB; padding bits do not
// count.
Uint32 colourAt(const SDL_Surface* s, int x, int y) {
  const std::string bytes = pixelAt(s, x, y);
  Uint32 value = 0;
  std::memcpy(&value, bytes.data(), bytes.size());
  Uint8 r, g, b;
  SDL_GetRGB(value, s->format, &r, &g, &b);
  return (Uint32{r} << 16) | (Uint32{g} << 8) | b;
}

TEST(ScaledCopyTest, EachPixelIsABlockOfItsScaleOneColourInEveryFormat) {
  const PixelBuffer pixels = source();
  const Uint32 formats[] = {SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_ARGB8888, SDL_PIXELFORMAT_BGR888,
                            SDL_PIXELFORMAT_RGB24, SDL_PIXELFORMAT_RGB565};
  // A part of the window, the whole of it, and an area reaching past it.
  const RECT areas[] = {{1, 1, 5, 3}, {0, 0, kWidth, kHeight}, {-3, 2, 40, 40}};
  for (Uint32 format : formats) {
    Surface reference = filled(kWidth, kHeight, format);
    ASSERT_TRUE(reference) << SDL_GetError();
    std::vector<Uint8> scratch;
    copyScaled(pixels, reference.get(), RECT{0, 0, kWidth, kHeight}, 1, scratch);
    for (int scale = 1; scale <= 4; ++scale) {
      for (const RECT& area : areas) {
        SCOPED_TRACE(std::string(SDL_GetPixelFormatName(format)) + " scale " + std::to_string(scale) + " area " +
                     std::to_string(area.left) + "," + std::to_string(area.top));
        // Room past the blocks on both sides, to see that it stays.
        Surface target = filled(kWidth * scale + 3, kHeight * scale + 2, format);
        Surface untouched = filled(kWidth * scale + 3, kHeight * scale + 2, format);
        const SDL_Rect written = copyScaled(pixels, target.get(), area, scale, scratch);
        const int left = std::max<int>(area.left, 0), top = std::max<int>(area.top, 0);
        const int right = std::min<int>(area.right, kWidth), bottom = std::min<int>(area.bottom, kHeight);
        EXPECT_EQ(written.x, left * scale);
        EXPECT_EQ(written.y, top * scale);
        EXPECT_EQ(written.w, (right - left) * scale);
        EXPECT_EQ(written.h, (bottom - top) * scale);
        int wrong = 0;
        for (int y = 0; y < target->h; ++y) {
          for (int x = 0; x < target->w; ++x) {
            const int hx = x / scale, hy = y / scale;
            const bool inside = hx >= left && hx < right && hy >= top && hy < bottom;
            const bool good = inside ? colourAt(target.get(), x, y) == colourAt(reference.get(), hx, hy)
                                     : pixelAt(target.get(), x, y) == pixelAt(untouched.get(), x, y);
            if (!good && ++wrong <= 3) ADD_FAILURE() << "at " << x << "," << y;
          }
        }
        EXPECT_EQ(wrong, 0);
      }
    }
  }
}

// A window surface smaller than the scaled window (the desktop sized it)
// takes only whole blocks.
TEST(ScaledCopyTest, OnlyWholeBlocksFitIntoASmallerSurface) {
  const PixelBuffer pixels = source();
  struct Case {
    int scale, width, height;
    SDL_Rect written;
  };
  const Case cases[] = {
      {2, 9, 6, SDL_Rect{0, 0, 8, 6}}, {3, 20, 2, SDL_Rect{0, 0, 0, 0}}, {1, 3, 9, SDL_Rect{0, 0, 3, 5}}};
  for (const Case& c : cases) {
    Surface target = filled(c.width, c.height, SDL_PIXELFORMAT_RGB888);
    std::vector<Uint8> scratch;
    const SDL_Rect r = copyScaled(pixels, target.get(), RECT{0, 0, kWidth, kHeight}, c.scale, scratch);
    EXPECT_EQ(r.w, c.written.w) << c.scale;
    EXPECT_EQ(r.h, c.written.h) << c.scale;
    // The column past the last whole block is left alone.
    if (c.written.w > 0 && c.written.w < c.width) {
      EXPECT_EQ(pixelAt(target.get(), c.written.w, 0), std::string(4, '\xA5')) << c.scale;
    }
  }
}

}  // namespace
