// Windows for the surface suites: plain colour classes, destroyed after
// each test.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "tests/host/gdi/GdiTestSupport.h"

namespace hostgdi {

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override { pump(); }
  void TearDown() override {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
      if (IsWindow(*it)) DestroyWindow(*it);
    }
    pump();
  }
  // A shown window of a colour class: a popup at screen coordinates, or a
  // child at its parent's client coordinates.
  HWND make(const char* cls, HWND parent, RECT r, DWORD style = 0) {
    style |= (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
    HWND w = CreateWindowExA(0, cls, "", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                             nullptr, nullptr);
    EXPECT_NE(w, nullptr);
    windows_.push_back(w);
    return w;
  }
  // Fills a window's whole client area through a GetDC context.
  static void fillClient(HWND window, COLORREF color) {
    HDC dc = GetDC(window);
    RECT client{};
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
  }
  static std::uint32_t pixel(const nvhost::gdi::PixelImage& image, int x, int y) {
    return image.words[static_cast<std::size_t>(y) * image.width + x];
  }
  std::vector<HWND> windows_;
};

}  // namespace hostgdi
