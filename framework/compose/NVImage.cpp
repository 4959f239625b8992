#include "framework/compose/NVImage.h"

#include <cstring>

NVImage::NVImage() { resize(1, 1); }

NVImage::NVImage(int width, int height) { resize(width, height); }

NVImage::~NVImage() { release(); }

bool NVImage::resize(int width, int height) {
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  if (valid_ && width == width_ && height == height_) return true;
  release();
  allocate(width, height);
  // A bitmap that could not be made leaves the image invalid and empty
  // rather than writing through a missing buffer.
  if (!pixels_) return true;
  std::memset(pixels_, 0xFF, static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4);
  valid_ = true;
  return true;
}

bool NVImage::release() {
  valid_ = false;
  if (bitmap_) {
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
  }
  return true;
}

void NVImage::allocate(int width, int height) {
  valid_ = false;
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  pixels_ = nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = 40;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    width_ = height_ = 0;
    return;
  }
  pixels_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

void NVImage::fill(int r, int g, int b, int a) {
  if (!valid_) return;
  const std::uint32_t word =
      (static_cast<std::uint32_t>(clampChannel(a)) << 24) | (static_cast<std::uint32_t>(clampChannel(r)) << 16) |
      (static_cast<std::uint32_t>(clampChannel(g)) << 8) | static_cast<std::uint32_t>(clampChannel(b));
  const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  // Double the filled prefix with block copies, then copy the tail.
  pixels_[0] = word;
  size_t filled = 1;
  while (filled * 2 <= count) {
    std::memcpy(pixels_ + filled, pixels_, filled * 4);
    filled *= 2;
  }
  std::memcpy(pixels_ + filled, pixels_, (count - filled) * 4);
}

bool NVImage::copyFrom(const NVImage& source) {
  if (&source == this || !source.valid_) return true;
  if (source.width_ != width_ || source.height_ != height_ || !valid_) resize(source.width_, source.height_);
  if (pixels_) std::memcpy(pixels_, source.pixels_, static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4);
  return true;
}

int NVImage::getAlpha(int x, int y) const {
  if (!inside(x, y) || !pixels_) return 0;
  return static_cast<int>(pixels_[static_cast<size_t>(y) * width_ + x] >> 24);
}

void NVImage::setRGB(int x, int y, int r, int g, int b) {
  if (!inside(x, y) || !pixels_) return;
  auto* p = reinterpret_cast<unsigned char*>(pixels_ + static_cast<size_t>(y) * width_ + x);
  p[0] = static_cast<unsigned char>(clampChannel(b));
  p[1] = static_cast<unsigned char>(clampChannel(g));
  p[2] = static_cast<unsigned char>(clampChannel(r));
}

void NVImage::setRGBA(int x, int y, int r, int g, int b, int a) {
  if (!inside(x, y) || !pixels_) return;
  setRGB(x, y, r, g, b);
  reinterpret_cast<unsigned char*>(pixels_ + static_cast<size_t>(y) * width_ + x)[3] =
      static_cast<unsigned char>(clampChannel(a));
}
