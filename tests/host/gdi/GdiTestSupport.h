// Helpers of the gdi suites: bitmaps selected into memory contexts, windows
// of plain colour classes, message pumping and reference pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/display/null/NullDisplay.h"
#include "platform/win32.h"
#include "tests/support/Cp932Text.h"

namespace hostgdi {

// A top-down 32-bit DIB section selected into a memory context of its own.
class MemoryBitmap {
 public:
  MemoryBitmap(int width, int height, std::uint32_t fill);
  ~MemoryBitmap();
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  std::uint32_t* pixels() const { return pixels_; }
  std::uint32_t at(int x, int y) const { return pixels_[y * width_ + x]; }
  std::vector<std::uint32_t> copy() const { return {pixels_, pixels_ + width_ * height_}; }
  // The pixels made opaque, for pictures.
  nvhost::gdi::PixelImage image() const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

// Runs every posted and paint message of this thread.
void pump();

// A window class whose windows erase with a solid brush of `color`, or with
// the null brush when `nullBrush`; registered once per name.
const char* colourClass(const char* name, COLORREF color, bool nullBrush = false);

// The 0x00RRGGBB value GDI writes for a colour, and the same value opaque,
// as read back from a window.
inline std::uint32_t written(COLORREF c) { return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }
inline std::uint32_t shown(COLORREF c) { return written(c) | 0xFF000000u; }

// Pixels of a shown window as read back by the null display.
nvhost::gdi::PixelImage windowImage(HWND window);

// Compares an image with tests/ref/host/gdi/NAME.png (see ReferencePicture.h).
// `tolerance` is the largest channel difference still taken as equal.
void expectPicture(const std::string& name, const nvhost::gdi::PixelImage& image, int tolerance = 0);

}  // namespace hostgdi
