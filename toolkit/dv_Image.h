// RGBA image in a power-of-two buffer, ready to be a texture: four bytes per
// pixel (red, green, blue, alpha), rows stored bottom-up so that texture
// coordinate (0, 0) is the image's bottom-left corner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/dv_BaseObject.h"
#include "toolkit/dv_Color.h"

struct dv_ImageArea {
  int x = -1;
  int y = -1;
  int w = -1;
  int h = -1;
};

class dv_Image : public dv_BaseObject {
 public:
  // Results of the BMP and PNG loaders.
  static constexpr int LoadOk = 0;
  static constexpr int LoadCannotOpen = 1;
  static constexpr int LoadFormatError = 2;
  static constexpr int LoadNoMemory = 3;
  // The largest image side the buffer rules can hold.
  static constexpr int MaxSide = 65536;

  explicit dv_Image(int w = 0, int h = 0);
  dv_Image(const dv_Image& other);
  dv_Image& operator=(const dv_Image& other);
  ~dv_Image();

  // Same size and a copy of the whole buffer; false when memory runs out.
  bool copyFrom(const dv_Image& other);
  // Sizes the image; an empty image for w or h below 1. False (and an empty
  // image) for a side beyond MaxSide or when memory runs out.
  bool reset(int w, int h, bool zeroFill = true);
  void clear();
  // Takes over the pixels of `other` (which becomes empty), keeping this
  // image's texture name.
  void adopt(dv_Image& other);
  // The smallest power of two that is at least 64 and at least n.
  static int bufferSizeFor(int n);

  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  int getBufferWidth() const { return bufWidth_; }
  int getBufferHeight() const { return bufHeight_; }
  bool isEmpty() const { return width_ == 0; }
  // Byte 0 of the buffer; null for an empty image.
  uint8_t* getBuffer() { return buffer_.get(); }
  const uint8_t* getBuffer() const { return buffer_.get(); }
  size_t bufferBytes() const;
  // Byte offset of pixel (x, y), which must lie inside the image.
  size_t pixelOffset(int x, int y) const;

  // A channel (0-255), or -1 outside the image.
  int getRed(int x, int y) const { return channel(x, y, 0); }
  int getGreen(int x, int y) const { return channel(x, y, 1); }
  int getBlue(int x, int y) const { return channel(x, y, 2); }
  int getAlpha(int x, int y) const { return channel(x, y, 3); }
  // Values are clamped to 0-255; false outside the image.
  bool setRed(int x, int y, int v) { return setChannel(x, y, 0, v); }
  bool setGreen(int x, int y, int v) { return setChannel(x, y, 1, v); }
  bool setBlue(int x, int y, int v) { return setChannel(x, y, 2, v); }
  bool setAlpha(int x, int y, int v) { return setChannel(x, y, 3, v); }
  bool setRGBA(int x, int y, int r, int g, int b, int a);
  bool setRGB(int x, int y, int r, int g, int b) { return setRGBA(x, y, r, g, b, 255); }
  dv_Color getColor(int x, int y) const;
  bool setColor(int x, int y, const dv_Color& color);
  // Every texel of the buffer; ignored unless every value is 0-255.
  bool fill(int r, int g, int b, int a);
  // This image becomes a copy of the w x h rectangle of src at (x, y).
  bool extract(const dv_Image* src, int x, int y, int w, int h);

  // What changed since the renderer last uploaded the pixels; an area of
  // all -1 means the whole image.
  void setUpdateArea(int x, int y, int w, int h);
  dv_ImageArea getUpdateArea() const { return updateArea_; }
  bool isUpdated() const { return updateFlag_; }
  void clearUpdate();
  void markAllUpdated();
  int getTextureId() const { return textureId_; }
  void setTextureId(int id) { textureId_ = id; }

  // Loaders leave the image unchanged unless they succeed.
  int loadBMP(const std::string& path);
  int loadBMPData(const void* data, size_t size);
  int loadPNG(const std::string& path);
  int loadPNGData(const void* data, size_t size);
  bool loadJPEG(const std::string& path);
  bool loadJPEGData(const void* data, size_t size);
  // Savers refuse an empty image and leave no file behind when they fail.
  bool saveBMP(const std::string& path, bool withAlpha) const;
  bool savePNG(const std::string& path, bool withAlpha) const;
  bool saveJPEG(const std::string& path, int quality) const;

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int channel(int x, int y, int c) const;
  bool setChannel(int x, int y, int c, int v);

  int width_ = 0;
  int height_ = 0;
  int bufWidth_ = 0;
  int bufHeight_ = 0;
  std::unique_ptr<uint8_t[]> buffer_;
  int textureId_ = 0;
  bool updateFlag_ = true;
  dv_ImageArea updateArea_;
};
