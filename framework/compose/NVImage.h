// The framework's pixel buffer: a 32-bit top-down DIB section, so that the
// compositor writes its pixels directly, GDI draws text into it, and BitBlt
// copies it to windows. Pixels are B, G, R, A bytes (0xAARRGGBB as a
// little-endian word) with straight alpha; a fresh image is opaque white.
#pragma once

#include <cstdint>

#include "platform/win32.h"

class NVImage {
 public:
  NVImage();
  NVImage(int width, int height);
  virtual ~NVImage();
  NVImage(const NVImage&) = delete;
  NVImage& operator=(const NVImage&) = delete;

  // Sizes below 1 become 1; the same size keeps the pixels, another one
  // makes a new all-white bitmap. Always true.
  bool resize(int width, int height);
  // Drops the bitmap: invalid, 0 x 0. Always true.
  bool release();
  // Every pixel the clamped colour; nothing on an invalid image.
  void fill(int r, int g, int b, int a);
  // Takes the source's size and pixels. Always true.
  bool copyFrom(const NVImage& source);
  // Alpha of a pixel; 0 outside the image.
  int getAlpha(int x, int y) const;
  void setRGB(int x, int y, int r, int g, int b);
  void setRGBA(int x, int y, int r, int g, int b, int a);

  std::uint32_t* getPixels() const { return pixels_; }
  HBITMAP getBitmap() const { return bitmap_; }
  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  bool isValid() const { return valid_; }

 private:
  void allocate(int width, int height);
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  bool valid_ = false;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// A channel value limited to 0..255.
inline int clampChannel(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
