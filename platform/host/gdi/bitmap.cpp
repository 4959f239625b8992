// Bitmaps of the portable host.
//  [x] CreateDIBSection of 32 bits per pixel, BI_RGB, top-down (negative
//      height) or bottom-up; the pixels are owned by the bitmap and start zero
//  [x] the 1 x 1 bitmap every memory device context starts with
//  [ ] other depths, colour tables, bit fields, file mappings,
//      CreateCompatibleBitmap; bottom-up bitmaps are stored top-down
#include <limits>
#include <mutex>
#include <new>

#include "platform/host/gdi/GdiObjects.h"
#include "platform/win32.h"

namespace nvhost::gdi {

namespace {

// Larger bitmaps are refused rather than risk a size that overflows the
// byte count: 2^28 pixels is a gigabyte.
constexpr long long kMaxPixels = 1LL << 28;

PixelsRef allocatePixels(int width, int height) {
  const long long count = static_cast<long long>(width) * height;
  if (width < 1 || height < 1 || count > kMaxPixels) return nullptr;
  auto buffer = std::make_shared<PixelBuffer>();
  buffer->words.reset(new (std::nothrow) std::uint32_t[static_cast<std::size_t>(count)]());
  if (!buffer->words) return nullptr;
  buffer->width = width;
  buffer->height = height;
  return buffer;
}

bool headerSupported(const BITMAPINFOHEADER& h) {
  return h.biSize >= sizeof(BITMAPINFOHEADER) && h.biPlanes == 1 && h.biBitCount == 32 && h.biCompression == BI_RGB &&
         h.biWidth > 0 && h.biHeight != 0 && h.biHeight != std::numeric_limits<LONG>::min();
}

}  // namespace

HBITMAP defaultBitmap() {
  static HBITMAP handle = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    auto bitmap = std::make_unique<Bitmap>(allocatePixels(1, 1));
    bitmap->stock = true;
    handle = static_cast<HBITMAP>(addObject(std::move(bitmap)));
  });
  return handle;
}

}  // namespace nvhost::gdi

using namespace nvhost::gdi;

HBITMAP CreateDIBSection(HDC /*dc*/, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
  if (bits != nullptr) *bits = nullptr;
  if (info == nullptr || usage != DIB_RGB_COLORS || section != nullptr || offset != 0) return nullptr;
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (!headerSupported(header)) return nullptr;
  const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  PixelsRef pixels = allocatePixels(header.biWidth, height);
  if (!pixels) return nullptr;
  // FIXME: a bottom-up bitmap (positive height) is stored top-down, so its
  // caller would see its rows in the wrong order; the framework only makes
  // top-down bitmaps.
  void* start = pixels->words.get();
  HBITMAP handle = static_cast<HBITMAP>(addObject(std::make_unique<Bitmap>(std::move(pixels))));
  if (bits != nullptr) *bits = start;
  return handle;
}
