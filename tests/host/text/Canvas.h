// A white 32-bit B, G, R, A buffer to draw text into, with the readings the
// suites need: where ink landed, and how dark it is.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/text/TextEngine.h"

namespace hosttext {

class Canvas {
 public:
  Canvas(int width, int height, std::uint8_t alpha = 255)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 4, 255) {
    for (size_t i = 3; i < pixels_.size(); i += 4) pixels_[i] = alpha;
  }

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }
  std::vector<std::uint8_t>& pixels() { return pixels_; }

  nvhost::text::Surface surface() {
    nvhost::text::Surface s;
    s.pixels = pixels_.data();
    s.width = width_;
    s.height = height_;
    s.stride = static_cast<std::ptrdiff_t>(width_) * 4;
    s.clip = {0, 0, width_, height_};
    return s;
  }

  const std::uint8_t* at(int x, int y) const { return &pixels_[(static_cast<size_t>(y) * width_ + x) * 4]; }

  // The coverage the framework reads back from black text on white: the
  // luminance of the darkness.
  int coverage(int x, int y) const {
    const std::uint8_t* p = at(x, y);
    return ((255 - p[2]) * 299 + (255 - p[1]) * 587 + (255 - p[0]) * 114) / 1000;
  }

  // The smallest rectangle holding every pixel that is not white; empty
  // (right <= left) when there is none.
  nvhost::text::Rect ink() const {
    nvhost::text::Rect r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (at(x, y)[0] != 255 || at(x, y)[1] != 255 || at(x, y)[2] != 255) {
          r.left = std::min(r.left, x), r.top = std::min(r.top, y);
          r.right = std::max(r.right, x + 1), r.bottom = std::max(r.bottom, y + 1);
        }
    return r;
  }

  bool blank() const { return ink().right <= ink().left; }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

// Draws black text with `flags` into `rect` of the canvas.
inline int drawBlack(const nvhost::text::Font& font, Canvas& canvas, const std::string& cp932, nvhost::text::Rect rect,
                     unsigned flags) {
  nvhost::text::Surface surface = canvas.surface();
  return nvhost::text::drawText(font, cp932, rect, flags, nvhost::text::DrawOptions{}, &surface);
}

}  // namespace hosttext
