// BitBlt between memory contexts: copies and fills, partly outside either
// bitmap, and within one bitmap, against a plain per-pixel reference.
#include <gtest/gtest.h>

#include "tests/host/gdi/GdiTestSupport.h"

namespace hostgdi {
namespace {

constexpr int kW = 12;
constexpr int kH = 9;

// Every pixel different, so that a copy from the wrong place shows.
void pattern(MemoryBitmap& b, std::uint32_t seed) {
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) b.pixels()[y * b.width() + x] = seed + static_cast<std::uint32_t>(y * 256 + x);
}

// The reference: each target pixel in the rectangle and inside the target
// takes the source pixel at the same offset, if that one exists.
std::vector<std::uint32_t> referenceCopy(std::vector<std::uint32_t> target, int tw, int th,
                                         const std::vector<std::uint32_t>& source, int sw, int sh, int x, int y, int w,
                                         int h, int sx, int sy) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const int tx = x + i, ty = y + j, px = sx + i, py = sy + j;
      if (tx < 0 || ty < 0 || tx >= tw || ty >= th || px < 0 || py < 0 || px >= sw || py >= sh) continue;
      target[ty * tw + tx] = source[py * sw + px];
    }
  return target;
}

struct Copy {
  const char* what;
  int x, y, w, h, sx, sy;
};

const Copy kCopies[] = {
    {"whole", 0, 0, kW, kH, 0, 0},
    {"inner block", 3, 2, 5, 4, 1, 1},
    {"target partly left and above", -3, -2, 8, 6, 0, 0},
    {"target partly right and below", 8, 6, 10, 10, 0, 0},
    {"source partly outside", 2, 2, 8, 8, 7, 5},
    {"source negative", 1, 1, 6, 6, -4, -3},
    {"entirely outside", 20, 20, 4, 4, 0, 0},
    {"empty", 2, 2, 0, 5, 0, 0},
    {"negative size", 2, 2, -3, 5, 0, 0},
};

TEST(BitBltMemory, CopiesBetweenBitmapsMatchTheReference) {
  for (const Copy& c : kCopies) {
    MemoryBitmap source(kW - 2, kH + 1, 0);
    MemoryBitmap target(kW, kH, 0);
    pattern(source, 0x01000000u);
    pattern(target, 0x02000000u);
    const auto expected = referenceCopy(target.copy(), kW, kH, source.copy(), source.width(), source.height(), c.x, c.y,
                                        c.w, c.h, c.sx, c.sy);
    EXPECT_TRUE(BitBlt(target.dc(), c.x, c.y, c.w, c.h, source.dc(), c.sx, c.sy, SRCCOPY)) << c.what;
    EXPECT_EQ(target.copy(), expected) << c.what;
  }
}

TEST(BitBltMemory, CopiesWithinOneBitmapReadTheOriginalPixels) {
  for (const Copy& c : kCopies) {
    MemoryBitmap bitmap(kW, kH, 0);
    pattern(bitmap, 0x03000000u);
    const auto before = bitmap.copy();
    const auto expected = referenceCopy(before, kW, kH, before, kW, kH, c.x, c.y, c.w, c.h, c.sx, c.sy);
    BitBlt(bitmap.dc(), c.x, c.y, c.w, c.h, bitmap.dc(), c.sx, c.sy, SRCCOPY);
    EXPECT_EQ(bitmap.copy(), expected) << c.what;
  }
}

TEST(BitBltMemory, BlacknessAndWhitenessFillEveryBitInside) {
  struct Fill {
    DWORD rop;
    std::uint32_t value;
  };
  for (const Fill f : {Fill{BLACKNESS, 0x00000000u}, Fill{WHITENESS, 0xFFFFFFFFu}}) {
    for (const Copy& c : kCopies) {
      MemoryBitmap target(kW, kH, 0);
      pattern(target, 0x04000000u);
      std::vector<std::uint32_t> expected = target.copy();
      for (int y = std::max(c.y, 0); y < std::min(c.y + c.h, kH); ++y)
        for (int x = std::max(c.x, 0); x < std::min(c.x + c.w, kW); ++x) expected[y * kW + x] = f.value;
      EXPECT_TRUE(BitBlt(target.dc(), c.x, c.y, c.w, c.h, nullptr, 0, 0, f.rop)) << c.what;
      EXPECT_EQ(target.copy(), expected) << c.what;
    }
  }
}

TEST(BitBltMemory, RefusesUnknownContextsAndOperations) {
  MemoryBitmap target(4, 4, 0x11111111u);
  HDC unknown = reinterpret_cast<HDC>(0x7772);
  EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 4, 4, unknown, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(unknown, 0, 0, 4, 4, target.dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 4, 4, target.dc(), 0, 0, 0x00EE0086 /* SRCPAINT */));
  EXPECT_EQ(target.at(0, 0), 0x11111111u);
}

TEST(FillRectMemory, SolidBrushWritesGdiPixelsAndNullBrushNothing) {
  MemoryBitmap target(6, 6, 0xFF000000u);
  HBRUSH red = CreateSolidBrush(RGB(200, 10, 20));
  RECT area{-2, 1, 3, 10};
  EXPECT_TRUE(FillRect(target.dc(), &area, red));
  EXPECT_EQ(target.at(0, 1), written(RGB(200, 10, 20)));
  EXPECT_EQ(target.at(2, 5), written(RGB(200, 10, 20)));
  EXPECT_EQ(target.at(3, 1), 0xFF000000u);
  EXPECT_EQ(target.at(0, 0), 0xFF000000u);
  RECT all{0, 0, 6, 6};
  EXPECT_TRUE(FillRect(target.dc(), &all, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));
  EXPECT_EQ(target.at(5, 5), 0xFF000000u);
  EXPECT_FALSE(FillRect(target.dc(), &all, reinterpret_cast<HBRUSH>(0x5554)));
  DeleteObject(red);
}

}  // namespace
}  // namespace hostgdi
