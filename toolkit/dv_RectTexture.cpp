#include "toolkit/dv_RectTexture.h"

#include "toolkit/dv_Report.h"

dv_RectTexture::dv_RectTexture(dv_Image* image) : dv_Texture(image, dv_ObjectType::RectTexture) {}

void dv_RectTexture::init() {
  dv_Texture::init();
  width_ = height_ = 2.0f;
  tiling_ = false;
  tileCount_ = dv_TexCoord{1.0f, 1.0f};
  start_ = dv_TexCoord{0.0f, 0.0f};
  end_ = dv_TexCoord{1.0f, 1.0f};
}

bool dv_RectTexture::setSize(float w, float h) {
  if (w < -1e-8f || h < -1e-8f) return false;
  width_ = w;
  height_ = h;
  return true;
}

bool dv_RectTexture::setTextureCoord(double sx, double sy, double ex, double ey) {
  for (double v : {sx, sy, ex, ey})
    if (!dv_IsTexCoordValue(v)) {
      dv_ReportError("dv_RectTexture", "setTextureCoord", 1, "Texture Coord Error.");
      return false;
    }
  start_ = dv_TexCoord{static_cast<float>(sx), static_cast<float>(sy)};
  end_ = dv_TexCoord{static_cast<float>(ex), static_cast<float>(ey)};
  return true;
}

bool dv_RectTexture::setTextureCoord(const dv_TexCoord& start, const dv_TexCoord& end) {
  for (float v : {start.s, start.t, end.s, end.t})
    if (!dv_IsTexCoordValue(v)) {
      dv_ReportError("dv_RectTexture", "setTextureCoord", 2, "Texture Coord Error.");
      return false;
    }
  start_ = start;
  end_ = end;
  return true;
}

dv_TexCoord dv_RectTexture::getTextureCoord(int id) const {
  if (id < 0 || id > 1) {
    dv_ReportError("dv_RectTexture", "getTextureCoord", 1, "ID Error");
    return dv_TexCoord{};
  }
  return id == 0 ? start_ : end_;
}

bool dv_RectTexture::quadTexCoords(dv_TexCoord out[4]) const {
  if (!isDrawable()) return false;
  dv_TexCoord s0{0.0f, 0.0f};
  dv_TexCoord s1 = tileCount_;
  if (!tiling_) {
    s0 = toBufferCoord(start_.s, start_.t);
    s1 = toBufferCoord(end_.s, end_.t);
  }
  out[0] = dv_TexCoord{s0.s, s0.t};
  out[1] = dv_TexCoord{s1.s, s0.t};
  out[2] = dv_TexCoord{s1.s, s1.t};
  out[3] = dv_TexCoord{s0.s, s1.t};
  return true;
}
