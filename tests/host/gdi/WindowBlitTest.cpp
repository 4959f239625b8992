// BitBlt to, from and between windows: offsets of child windows in their
// top-level surface, clipping, what is presented, and blits from several
// threads at once.
#include <thread>

#include "tests/host/gdi/WindowFixture.h"

namespace hostgdi {
namespace {

using nvhost::NullDisplay;

const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kRed = RGB(220, 30, 30);

void pattern(MemoryBitmap& b) {
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) b.pixels()[y * b.width() + x] = 0xFF000000u | (y << 8) | x;
}

class WindowBlit : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    top_ = make(colourClass("gdi.grey", kGrey), nullptr, {200, 100, 360, 220});
    child_ = make(colourClass("gdi.red", kRed), top_, {50, 40, 150, 110});
    pump();
    NullDisplay::takePresented(top_);
  }
  HWND top_ = nullptr;
  HWND child_ = nullptr;
};

struct Placement {
  const char* what;
  int x, y, w, h, sx, sy;
  RECT presented;  // in the top-level window
};

TEST_F(WindowBlit, MemoryToChildLandsAtItsOffsetClippedToItsClientArea) {
  const Placement cases[] = {
      {"inside", 5, 6, 20, 10, 3, 4, {55, 46, 75, 56}},
      {"partly above and left", -10, -10, 30, 30, 0, 0, {50, 40, 70, 60}},
      {"partly past the client area", 90, 60, 30, 30, 0, 0, {140, 100, 150, 110}},
      {"outside", 200, 200, 10, 10, 0, 0, {0, 0, 0, 0}},
  };
  for (const Placement& c : cases) {
    MemoryBitmap source(64, 64, 0);
    pattern(source);
    HDC dc = GetDC(child_);
    EXPECT_TRUE(BitBlt(dc, c.x, c.y, c.w, c.h, source.dc(), c.sx, c.sy, SRCCOPY)) << c.what;
    ReleaseDC(child_, dc);
    const RECT presented = NullDisplay::takePresented(top_);
    EXPECT_EQ(presented.left, c.presented.left) << c.what;
    EXPECT_EQ(presented.top, c.presented.top) << c.what;
    EXPECT_EQ(presented.right, c.presented.right) << c.what;
    EXPECT_EQ(presented.bottom, c.presented.bottom) << c.what;
    const auto image = windowImage(top_);
    for (int y = c.presented.top; y < c.presented.bottom; ++y)
      for (int x = c.presented.left; x < c.presented.right; ++x) {
        const int sx = x - 50 - c.x + c.sx, sy = y - 40 - c.y + c.sy;
        ASSERT_EQ(pixel(image, x, y), source.at(sx, sy)) << c.what << " at " << x << "," << y;
      }
    EXPECT_EQ(pixel(image, 49, 39), shown(kGrey)) << c.what;
  }
}

TEST_F(WindowBlit, ChildToMemoryReadsItsOwnPixels) {
  MemoryBitmap source(100, 70, 0);
  pattern(source);
  HDC dc = GetDC(child_);
  BitBlt(dc, 0, 0, 100, 70, source.dc(), 0, 0, SRCCOPY);
  MemoryBitmap copy(40, 40, 0);
  EXPECT_TRUE(BitBlt(copy.dc(), 0, 0, 40, 40, dc, 30, 20, SRCCOPY));
  ReleaseDC(child_, dc);
  EXPECT_EQ(copy.at(0, 0), source.at(30, 20));
  EXPECT_EQ(copy.at(39, 39), source.at(69, 59));
}

TEST_F(WindowBlit, WindowToWindowWithinOneSurfaceAndBlackness) {
  HDC topDC = GetDC(top_);
  HDC childDC = GetDC(child_);
  // The top-level window's grey corner onto the red child's left half.
  EXPECT_TRUE(BitBlt(childDC, 0, 0, 50, 70, topDC, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(childDC, 90, 60, 40, 40, nullptr, 0, 0, BLACKNESS));
  ReleaseDC(child_, childDC);
  ReleaseDC(top_, topDC);
  const auto image = windowImage(top_);
  EXPECT_EQ(pixel(image, 60, 50), shown(kGrey));
  EXPECT_EQ(pixel(image, 110, 50), shown(kRed));
  EXPECT_EQ(pixel(image, 145, 105), 0xFF000000u);
  EXPECT_EQ(pixel(image, 155, 105), shown(kGrey)) << "outside the child";
  EXPECT_EQ(NullDisplay::takePresented(top_).bottom, 110);
}

TEST_F(WindowBlit, HiddenWindowsGetNothingAndPresentNothing) {
  ShowWindow(child_, SW_HIDE);
  pump();
  NullDisplay::takePresented(top_);
  MemoryBitmap source(10, 10, 0xFF010203u);
  HDC dc = GetDC(child_);
  EXPECT_TRUE(BitBlt(dc, 0, 0, 10, 10, source.dc(), 0, 0, SRCCOPY));
  ReleaseDC(child_, dc);
  const RECT presented = NullDisplay::takePresented(top_);
  EXPECT_GE(presented.left, presented.right);
  EXPECT_NE(pixel(windowImage(top_), 55, 45), 0xFF010203u);
}

// Blits into one surface from several threads while it is read back; the
// ThreadSanitizer build checks that the surface is guarded.
TEST_F(WindowBlit, ConcurrentBlitsAndReadBackAgree) {
  constexpr int kRounds = 200;
  auto blitter = [&](std::uint32_t colour, int x) {
    MemoryBitmap source(20, 20, colour);
    for (int i = 0; i < kRounds; ++i) {
      HDC dc = GetDC(child_);
      BitBlt(dc, x, 10, 20, 20, source.dc(), 0, 0, SRCCOPY);
      ReleaseDC(child_, dc);
    }
  };
  std::thread first(blitter, 0xFF0000FFu, 0);
  std::thread second(blitter, 0xFF00FF00u, 40);
  for (int i = 0; i < kRounds / 4; ++i) windowImage(top_);
  first.join();
  second.join();
  const auto image = windowImage(top_);
  EXPECT_EQ(pixel(image, 55, 55), 0xFF0000FFu);
  EXPECT_EQ(pixel(image, 95, 55), 0xFF00FF00u);
}

}  // namespace
}  // namespace hostgdi
