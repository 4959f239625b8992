// An image on a rectangle centred on the model's origin in its z = 0 plane,
// facing +Z.
#pragma once

#include "toolkit/dv_Texture.h"

// Width and height of the rectangle in model units.
struct dv_RectSize {
  float w = 0.0f;
  float h = 0.0f;
};

class dv_RectTexture : public dv_Texture {
 public:
  explicit dv_RectTexture(dv_Image* image = nullptr);

  void init() override;

  // False, unchanged, when either side is negative.
  bool setSize(float w, float h);
  dv_RectSize getSize() const { return dv_RectSize{width_, height_}; }
  float getWidth() const { return width_; }
  float getHeight() const { return height_; }
  void setTiling(bool on) { tiling_ = on; }
  bool getTiling() const { return tiling_; }
  void setTileCount(float u, float v) { tileCount_ = dv_TexCoord{u, v}; }
  dv_TexCoord getTileCount() const { return tileCount_; }
  // The part of the image shown, from start to end, each coordinate in [0, 1].
  bool setTextureCoord(double sx, double sy, double ex, double ey);
  bool setTextureCoord(const dv_TexCoord& start, const dv_TexCoord& end);
  // 0 = start, 1 = end.
  dv_TexCoord getTextureCoord(int id) const;

  // The quad's corners (-w/2, -h/2), (w/2, -h/2), (w/2, h/2), (-w/2, h/2)
  // get these texture coordinates, as sent to the renderer; false when the
  // texture is not drawable.
  bool quadTexCoords(dv_TexCoord out[4]) const;

 private:
  float width_ = 2.0f;
  float height_ = 2.0f;
  bool tiling_ = false;
  dv_TexCoord tileCount_{1.0f, 1.0f};
  dv_TexCoord start_{0.0f, 0.0f};
  dv_TexCoord end_{1.0f, 1.0f};
};
