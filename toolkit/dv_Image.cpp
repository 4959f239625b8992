#include "toolkit/dv_Image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

uint8_t clampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

dv_Image::dv_Image(int w, int h) : dv_BaseObject(dv_ObjectType::Image) { reset(w, h, true); }

dv_Image::dv_Image(const dv_Image& other) : dv_BaseObject(dv_ObjectType::Image) { copyFrom(other); }

dv_Image& dv_Image::operator=(const dv_Image& other) {
  copyFrom(other);
  return *this;
}

dv_Image::~dv_Image() = default;

int dv_Image::bufferSizeFor(int n) {
  int size = 64;
  while (size < n && size <= MaxSide) size *= 2;
  return size;
}

size_t dv_Image::bufferBytes() const { return static_cast<size_t>(bufWidth_) * static_cast<size_t>(bufHeight_) * 4; }

size_t dv_Image::pixelOffset(int x, int y) const {
  return (static_cast<size_t>(x) + static_cast<size_t>(bufWidth_) * (height_ - 1 - y)) * 4;
}

void dv_Image::clear() {
  buffer_.reset();
  width_ = height_ = bufWidth_ = bufHeight_ = 0;
  markAllUpdated();
}

bool dv_Image::reset(int w, int h, bool zeroFill) {
  clear();
  if (w < 1 || h < 1) return true;
  // Beyond MaxSide the buffer would be smaller than the image.
  if (w > MaxSide || h > MaxSide) return false;
  const int bw = bufferSizeFor(w);
  const int bh = bufferSizeFor(h);
  // A 32-bit build cannot address the largest buffers: refuse them before
  // the size is computed rather than let it wrap.
  if (static_cast<size_t>(bh) > SIZE_MAX / 4 / static_cast<size_t>(bw)) return false;
  const size_t bytes = static_cast<size_t>(bw) * static_cast<size_t>(bh) * 4;
  buffer_.reset(new (std::nothrow) uint8_t[bytes]);
  if (!buffer_) return false;
  if (zeroFill) std::memset(buffer_.get(), 0, bytes);
  width_ = w;
  height_ = h;
  bufWidth_ = bw;
  bufHeight_ = bh;
  return true;
}

bool dv_Image::copyFrom(const dv_Image& other) {
  if (&other == this) return true;
  dv_Image copy;
  if (!copy.reset(other.width_, other.height_, false)) return false;
  if (copy.buffer_) std::memcpy(copy.buffer_.get(), other.buffer_.get(), copy.bufferBytes());
  adopt(copy);
  return true;
}

void dv_Image::adopt(dv_Image& other) {
  if (&other == this) return;
  buffer_ = std::move(other.buffer_);
  width_ = other.width_;
  height_ = other.height_;
  bufWidth_ = other.bufWidth_;
  bufHeight_ = other.bufHeight_;
  other.clear();
  markAllUpdated();
}

int dv_Image::channel(int x, int y, int c) const {
  if (!inside(x, y)) return -1;
  return buffer_[pixelOffset(x, y) + static_cast<size_t>(c)];
}

bool dv_Image::setChannel(int x, int y, int c, int v) {
  if (!inside(x, y)) return false;
  buffer_[pixelOffset(x, y) + static_cast<size_t>(c)] = clampByte(v);
  markAllUpdated();
  return true;
}

bool dv_Image::setRGBA(int x, int y, int r, int g, int b, int a) {
  if (!inside(x, y)) return false;
  uint8_t* p = buffer_.get() + pixelOffset(x, y);
  p[0] = clampByte(r);
  p[1] = clampByte(g);
  p[2] = clampByte(b);
  p[3] = clampByte(a);
  markAllUpdated();
  return true;
}

dv_Color dv_Image::getColor(int x, int y) const {
  if (!inside(x, y)) return dv_Color(0.0, 0.0, 0.0, 1.0);
  const uint8_t* p = buffer_.get() + pixelOffset(x, y);
  return dv_Color(p[0] / 255.0, p[1] / 255.0, p[2] / 255.0, p[3] / 255.0);
}

bool dv_Image::setColor(int x, int y, const dv_Color& color) {
  auto toByte = [](float channel) { return static_cast<int>((channel + 1e-8) * 255.0); };
  return setRGBA(x, y, toByte(color.getR()), toByte(color.getG()), toByte(color.getB()), toByte(color.getA()));
}

bool dv_Image::fill(int r, int g, int b, int a) {
  for (int v : {r, g, b, a})
    if (v < 0 || v > 255) return false;
  if (!buffer_) return false;
  const uint8_t texel[4] = {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
                            static_cast<uint8_t>(a)};
  uint8_t* p = buffer_.get();
  const size_t bytes = bufferBytes();
  for (size_t i = 0; i < bytes; i += 4) std::memcpy(p + i, texel, 4);
  markAllUpdated();
  return true;
}

bool dv_Image::extract(const dv_Image* src, int x, int y, int w, int h) {
  if (src == nullptr || src == this || x < 0 || y < 0 || w < 1 || h < 1) return false;
  if (w > src->width_ - x || h > src->height_ - y) return false;
  dv_Image part;
  if (!part.reset(w, h, true)) return false;
  for (int row = 0; row < h; ++row)
    std::memcpy(part.buffer_.get() + part.pixelOffset(0, row), src->buffer_.get() + src->pixelOffset(x, y + row),
                static_cast<size_t>(w) * 4);
  adopt(part);
  return true;
}

void dv_Image::setUpdateArea(int x, int y, int w, int h) {
  updateArea_ = dv_ImageArea{x, y, w, h};
  updateFlag_ = true;
}

void dv_Image::clearUpdate() {
  updateArea_ = dv_ImageArea{0, 0, 0, 0};
  updateFlag_ = false;
}

void dv_Image::markAllUpdated() {
  updateArea_ = dv_ImageArea{};
  updateFlag_ = true;
}
