// DIB sections, memory contexts and object selection.
#include <gtest/gtest.h>

#include "tests/host/gdi/GdiTestSupport.h"

namespace hostgdi {
namespace {

BITMAPINFO header(LONG width, LONG height, WORD bits = 32, DWORD compression = BI_RGB, DWORD size = 40) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{size, width, height, 1, bits, compression, 0, 0, 0, 0, 0};
  return info;
}

TEST(DibSection, TopDownThirtyTwoBitsOwnedAndZeroed) {
  BITMAPINFO info = header(7, -3);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(bits, nullptr);
  const auto* words = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < 21; ++i) EXPECT_EQ(words[i], 0u);
  BITMAP described{};
  ASSERT_EQ(GetObjectA(bitmap, sizeof described, &described), static_cast<int>(sizeof described));
  EXPECT_EQ(described.bmWidth, 7);
  EXPECT_EQ(described.bmHeight, 3);
  EXPECT_EQ(described.bmWidthBytes, 28);
  EXPECT_EQ(described.bmBitsPixel, 32);
  EXPECT_EQ(described.bmBits, bits);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(bitmap));
}

struct RejectedHeader {
  const char* what;
  BITMAPINFO info;
};

TEST(DibSection, UnsupportedHeadersGiveNoBitmapAndNoPixels) {
  const RejectedHeader cases[] = {
      {"24 bits", header(4, -4, 24)},
      {"bit fields", header(4, -4, 32, 3)},
      {"zero width", header(0, -4)},
      {"negative width", header(-4, -4)},
      {"zero height", header(4, 0)},
      {"short header", header(4, -4, 32, BI_RGB, 12)},
      {"too many pixels", header(1 << 16, -(1 << 16))},
  };
  for (const auto& c : cases) {
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, &c.info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr) << c.what;
    EXPECT_EQ(bits, nullptr) << c.what;
  }
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
}

TEST(MemoryDC, SelectObjectReturnsWhatWasSelectedBefore) {
  BITMAPINFO info = header(2, -2);
  HBITMAP first = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HBITMAP second = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HFONT font = CreateFontA(12, 0, 0, 0, 500, 0, 0, 0, SHIFTJIS_CHARSET, 8, 0, 2, 49, "");
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HGDIOBJ original = SelectObject(dc, first);
  EXPECT_NE(original, nullptr);
  EXPECT_EQ(SelectObject(dc, second), first);
  EXPECT_EQ(SelectObject(dc, original), second);
  HGDIOBJ originalFont = SelectObject(dc, font);
  EXPECT_NE(originalFont, nullptr);
  EXPECT_EQ(SelectObject(dc, originalFont), font);
  EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(SelectObject(dc, first), nullptr);
  for (HGDIOBJ o : {static_cast<HGDIOBJ>(first), static_cast<HGDIOBJ>(second), static_cast<HGDIOBJ>(font)}) {
    EXPECT_TRUE(DeleteObject(o));
  }
}

TEST(MemoryDC, BitmapDeletedWhileSelectedStaysReadableUntilDeselected) {
  MemoryBitmap target(4, 4, 0);
  BITMAPINFO info = header(4, -4);
  void* bits = nullptr;
  HBITMAP doomed = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::fill_n(static_cast<std::uint32_t*>(bits), 16, 0xFF123456u);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = SelectObject(dc, doomed);
  EXPECT_TRUE(DeleteObject(doomed));
  EXPECT_EQ(SelectObject(target.dc(), doomed), nullptr) << "a deleted handle cannot be selected again";
  EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 4, 4, dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.at(3, 3), 0xFF123456u);
  SelectObject(dc, original);
  DeleteDC(dc);
}

TEST(MemoryDC, StateIsPerContextAndRejectedForUnknownHandles) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SetBkMode(a, TRANSPARENT), OPAQUE);
  EXPECT_EQ(GetBkMode(b), OPAQUE);
  EXPECT_EQ(SetTextColor(a, RGB(1, 2, 3)), RGB(0, 0, 0));
  EXPECT_EQ(GetTextColor(a), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(b), RGB(0, 0, 0));
  EXPECT_EQ(SetBkMode(a, 7), 0);
  HDC unknown = reinterpret_cast<HDC>(0x7777);
  EXPECT_EQ(SetBkMode(unknown, TRANSPARENT), 0);
  EXPECT_EQ(SetTextColor(unknown, 0), CLR_INVALID);
  DeleteDC(a);
  DeleteDC(b);
}

TEST(MemoryDC, DeviceCapsDescribeThirtyTwoBitDesktop) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_GT(GetDeviceCaps(dc, HORZRES), 0);
  DeleteDC(dc);
}

TEST(Objects, StockObjectsSurviveDeleteObject) {
  HGDIOBJ white = GetStockObject(WHITE_BRUSH);
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_TRUE(DeleteObject(white));
  EXPECT_TRUE(DeleteObject(font));
  LOGFONTA described{};
  EXPECT_EQ(GetObjectA(font, sizeof described, &described), static_cast<int>(sizeof described));
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
}

}  // namespace
}  // namespace hostgdi
