#include "toolkit/dv_TriTexture.h"

#include "toolkit/dv_Report.h"

namespace {

bool validId(int id) { return id >= 0 && id <= 2; }

}  // namespace

dv_TriTexture::dv_TriTexture(dv_Image* image) : dv_Texture(image, dv_ObjectType::TriTexture) {}

void dv_TriTexture::init() {
  dv_Texture::init();
  for (int i = 0; i < 3; ++i) {
    pos_[i].init();
    texCoord_[i] = dv_TexCoord{};
  }
}

bool dv_TriTexture::setVertexPos(int id, double x, double y, double z) {
  if (!validId(id)) {
    dv_ReportError("dv_TriTexture", "setVertexPos", 1, "ID Error.");
    return false;
  }
  pos_[id].set(x, y, z);
  return true;
}

bool dv_TriTexture::setVertexPos(int id, const dv_Vector& v) {
  if (!validId(id)) {
    dv_ReportError("dv_TriTexture", "setVertexPos", 2, "ID Error.");
    return false;
  }
  pos_[id].set(v.x, v.y, v.z);
  return true;
}

dv_Vector dv_TriTexture::getVertexPos(int id) const {
  if (!validId(id)) {
    dv_ReportError("dv_TriTexture", "getVertexPos", 1, "ID Error.");
    return dv_Vector();
  }
  return pos_[id];
}

bool dv_TriTexture::storeCoord(int id, double s, double t, int idCode, int coordCode) {
  if (!validId(id)) {
    dv_ReportError("dv_TriTexture", "setTextureCoord", idCode, "ID Error.");
    return false;
  }
  if (!dv_IsTexCoordValue(s) || !dv_IsTexCoordValue(t)) {
    dv_ReportError("dv_TriTexture", "setTextureCoord", coordCode, "Texture Coord Error.");
    return false;
  }
  texCoord_[id] = dv_TexCoord{static_cast<float>(s), static_cast<float>(t)};
  return true;
}

bool dv_TriTexture::setTextureCoord(int id, double s, double t) { return storeCoord(id, s, t, 1, 2); }

bool dv_TriTexture::setTextureCoord(int id, const dv_TexCoord& c) { return storeCoord(id, c.s, c.t, 3, 4); }

dv_TexCoord dv_TriTexture::getTextureCoord(int id) const {
  if (!validId(id)) {
    dv_ReportError("dv_TriTexture", "getTextureCoord", 1, "ID Error.");
    return dv_TexCoord{};
  }
  return texCoord_[id];
}
