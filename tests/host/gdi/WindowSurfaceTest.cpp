// Window surfaces: erasing with class brushes, clipping of overlapping and
// nested windows with and without the clip styles, and the desktop.
#include "tests/host/gdi/WindowFixture.h"

namespace hostgdi {
namespace {

const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kRed = RGB(220, 30, 30);
const COLORREF kBlue = RGB(30, 30, 220);
const COLORREF kGreen = RGB(30, 200, 30);

class WindowSurface : public WindowFixture {};

TEST_F(WindowSurface, ShownWindowsAreErasedWithTheirClassBrushes) {
  HWND top = make(colourClass("gdi.grey", kGrey), nullptr, {50, 50, 150, 130});
  make(colourClass("gdi.red", kRed), top, {10, 10, 40, 30});
  pump();
  const auto image = windowImage(top);
  ASSERT_EQ(image.width, 100);
  ASSERT_EQ(image.height, 80);
  EXPECT_EQ(pixel(image, 5, 5), shown(kGrey));
  EXPECT_EQ(pixel(image, 20, 15), shown(kRed));
  EXPECT_EQ(pixel(image, 40, 15), shown(kGrey));
}

TEST_F(WindowSurface, InvalidatedAreaIsErasedUnlessTheBrushIsNull) {
  struct Case {
    const char* cls;
    bool nullBrush;
    COLORREF after;  // the child's colour once erased again
  };
  const Case cases[] = {{"gdi.red", false, kRed}, {"gdi.null", true, kBlue}};
  for (const Case& c : cases) {
    HWND top = make(colourClass("gdi.grey", kGrey), nullptr, {0, 0, 60, 40});
    HWND child = make(colourClass(c.cls, kRed, c.nullBrush), top, {10, 10, 30, 30});
    pump();
    fillClient(child, kBlue);
    InvalidateRect(child, nullptr, TRUE);
    pump();
    EXPECT_EQ(pixel(windowImage(top), 15, 15), shown(c.after)) << c.cls;
    DestroyWindow(top);
  }
}

// A top-level grey window with two overlapping children, A (red, higher)
// and B (blue), and C (green) inside B reaching beyond B's client area.
// Each fills its client in the order C, A, B, top: what survives shows
// which clip styles took effect.
struct ClipCase {
  const char* picture;
  DWORD topStyle, siblingStyle, bStyle;
  COLORREF onlyA, overlapAB, inC, onlyB;
};

const ClipCase kClipCases[] = {
    {"clip_none", 0, 0, 0, kGrey, kGrey, kGrey, kGrey},
    {"clip_children", WS_CLIPCHILDREN, 0, 0, kRed, kBlue, kBlue, kBlue},
    {"clip_siblings", WS_CLIPCHILDREN, WS_CLIPSIBLINGS, 0, kRed, kRed, kBlue, kBlue},
    {"clip_all", WS_CLIPCHILDREN, WS_CLIPSIBLINGS, WS_CLIPCHILDREN, kRed, kRed, kGreen, kBlue},
};

TEST_F(WindowSurface, ClipStylesDecideWhatOverlappingWindowsDrawOver) {
  for (const ClipCase& c : kClipCases) {
    HWND top = make(colourClass("gdi.grey", kGrey), nullptr, {100, 100, 260, 220}, c.topStyle);
    HWND a = make(colourClass("gdi.red", kRed), top, {10, 10, 90, 70}, c.siblingStyle);
    HWND b = make(colourClass("gdi.blue", kBlue), top, {50, 40, 150, 110}, c.siblingStyle | c.bStyle);
    HWND inner = make(colourClass("gdi.green", kGreen), b, {60, 50, 120, 100});
    pump();
    fillClient(inner, kGreen);
    fillClient(a, kRed);
    fillClient(b, kBlue);
    fillClient(top, kGrey);
    const auto image = windowImage(top);
    EXPECT_EQ(pixel(image, 20, 20), shown(c.onlyA)) << c.picture;
    EXPECT_EQ(pixel(image, 70, 50), shown(c.overlapAB)) << c.picture;
    EXPECT_EQ(pixel(image, 120, 95), shown(c.inC)) << c.picture;
    EXPECT_EQ(pixel(image, 100, 60), shown(c.onlyB)) << c.picture;
    EXPECT_EQ(pixel(image, 5, 115), shown(kGrey)) << c.picture;
    expectPicture(c.picture, image);
    DestroyWindow(top);
  }
}

TEST_F(WindowSurface, ChildDrawingIsCutToEveryAncestorsClientArea) {
  HWND top = make(colourClass("gdi.grey", kGrey), nullptr, {0, 0, 160, 120});
  HWND b = make(colourClass("gdi.blue", kBlue), top, {50, 40, 150, 110});
  HWND inner = make(colourClass("gdi.green", kGreen), b, {60, 50, 120, 100});
  pump();
  fillClient(inner, kGreen);
  const auto image = windowImage(top);
  EXPECT_EQ(pixel(image, 120, 95), shown(kGreen));
  EXPECT_EQ(pixel(image, 120, 115), shown(kGrey)) << "below B";
  EXPECT_EQ(pixel(image, 155, 95), shown(kGrey)) << "right of B";
}

TEST_F(WindowSurface, HiddenWindowsDrawNothingAndAreNotClippedAway) {
  HWND top = make(colourClass("gdi.grey", kGrey), nullptr, {0, 0, 100, 80}, WS_CLIPCHILDREN);
  HWND child = make(colourClass("gdi.red", kRed), top, {10, 10, 40, 40});
  pump();
  ShowWindow(child, SW_HIDE);
  pump();
  fillClient(child, kBlue);
  fillClient(top, kGreen);
  EXPECT_EQ(pixel(windowImage(top), 20, 20), shown(kGreen));
}

TEST_F(WindowSurface, DesktopShowsTopLevelWindowsInZOrderOverBlack) {
  HWND lower = make(colourClass("gdi.red", kRed), nullptr, {10, 10, 60, 60});
  HWND upper = make(colourClass("gdi.blue", kBlue), nullptr, {40, 40, 90, 90});
  pump();
  const auto desktop = nvhost::NullDisplay::desktopPixels();
  ASSERT_EQ(desktop.width, 1280);
  EXPECT_EQ(pixel(desktop, 20, 20), shown(kRed));
  EXPECT_EQ(pixel(desktop, 50, 50), shown(kBlue));
  EXPECT_EQ(pixel(desktop, 95, 95), 0xFF000000u);
  (void)lower;
  (void)upper;
}

TEST_F(WindowSurface, ResizingKeepsTheTopLeftPixels) {
  HWND top = make(colourClass("gdi.null", 0, true), nullptr, {0, 0, 40, 30});
  pump();
  fillClient(top, kRed);
  SetWindowPos(top, nullptr, 0, 0, 80, 50, SWP_NOZORDER | SWP_NOMOVE);
  pump();
  const auto image = windowImage(top);
  ASSERT_EQ(image.width, 80);
  ASSERT_EQ(image.height, 50);
  EXPECT_EQ(pixel(image, 39, 29), shown(kRed));
}

}  // namespace
}  // namespace hostgdi
