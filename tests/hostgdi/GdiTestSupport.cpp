#include "tests/hostgdi/GdiTestSupport.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "platform/runtime/TextCodec.h"

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

namespace {

bool readPng(const std::string& path, nvhost::gdi::PixelImage& image) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_BGRA;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  image.words.assign(static_cast<std::size_t>(image.width) * image.height, 0);
  if (!png_image_finish_read(&png, nullptr, image.words.data(), image.width * 4, nullptr)) {
    png_image_free(&png);
    return false;
  }
  return true;
}

int channelDifference(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  }
  return worst;
}

}  // namespace

void expectPicture(const std::string& name, const nvhost::gdi::PixelImage& image, int tolerance) {
  const std::string base = std::string(BRISEL_SOURCE_DIR) + "/tests/ref/hostgdi/" + name;
  nvhost::gdi::PixelImage reference;
  if (!readPng(base + ".png", reference)) {
    const char* write = std::getenv("BRISEL_WRITE_REFS");
    if (write != nullptr && std::string(write) == "1") {
      ASSERT_TRUE(nvhost::NullDisplay::savePng(image, base + ".png"));
      return;
    }
    ADD_FAILURE() << "no reference picture " << base << ".png (BRISEL_WRITE_REFS=1 writes it)";
    return;
  }
  bool same = reference.width == image.width && reference.height == image.height;
  for (std::size_t i = 0; same && i < image.words.size(); ++i) {
    same = channelDifference(reference.words[i], image.words[i]) <= tolerance;
  }
  if (!same) {
    nvhost::NullDisplay::savePng(image, base + "_err.png");
    ADD_FAILURE() << name << " differs from its reference; see " << base << "_err.png";
  } else {
    std::filesystem::remove(base + "_err.png");
  }
}

std::string sjis(const char* utf8) { return nvrt::utf8ToCp932Text(utf8); }

}  // namespace hostgdi
