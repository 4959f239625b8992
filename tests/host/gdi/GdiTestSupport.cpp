#include "tests/host/gdi/GdiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "tests/support/ReferencePicture.h"

namespace hostgdi {

MemoryBitmap::MemoryBitmap(int width, int height, std::uint32_t fill) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{40, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  pixels_ = static_cast<std::uint32_t*>(bits);
  dc_ = CreateCompatibleDC(nullptr);
  previous_ = SelectObject(dc_, bitmap_);
  if (pixels_ != nullptr) std::fill_n(pixels_, width * height, fill);
}

MemoryBitmap::~MemoryBitmap() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

nvhost::gdi::PixelImage MemoryBitmap::image() const {
  nvhost::gdi::PixelImage out{width_, height_, copy()};
  for (auto& word : out.words) word |= 0xFF000000u;
  return out;
}

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    DispatchMessageA(&msg);
  }
}

const char* colourClass(const char* name, COLORREF color, bool nullBrush) {
  static std::set<std::string> registered;
  if (registered.insert(name).second) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = name;
    wc.hbrBackground = nullBrush ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(color);
    RegisterClassA(&wc);
  }
  return name;
}

nvhost::gdi::PixelImage windowImage(HWND window) {
  nvhost::gdi::PixelImage image;
  EXPECT_TRUE(nvhost::NullDisplay::windowPixels(window, image));
  return image;
}

void expectPicture(const std::string& name, const nvhost::gdi::PixelImage& image, int tolerance) {
  EXPECT_TRUE(refpic::matchesReference("host/gdi/" + name, {image.width, image.height, image.words}, {tolerance, 0}));
}

}  // namespace hostgdi
