#include "toolkit/dv_MeshTexture.h"

#include <new>

#include "toolkit/dv_Report.h"

namespace {

constexpr const char* kIdError = "ID Error.";
constexpr const char* kTriangleIdError = "Triangle ID Error.";
constexpr const char* kCoordError = "Texture Coord Error.";
constexpr const char* kVertexNumberError = "Vertex Number Error.";

size_t at(int tri, int k) { return static_cast<size_t>(tri) * 3 + static_cast<size_t>(k); }
bool validK(int k) { return k >= 0 && k <= 2; }

}  // namespace

dv_MeshTexture::dv_MeshTexture(dv_Image* image) : dv_Texture(image, dv_ObjectType::MeshTexture) {}

void dv_MeshTexture::init() {
  dv_Texture::init();
  setTriNum(0);
}

bool dv_MeshTexture::report(const char* function, int code, const char* message) const {
  dv_ReportError("dv_MeshTexture", function, code, message);
  return false;
}

bool dv_MeshTexture::growTo(int tri) {
  if (tri < triNum_) return true;
  // A stray huge index must not try to allocate the whole address space.
  if (tri >= MaxTriangles) return false;
  try {
    pos_.resize(at(tri + 1, 0));
    texCoord_.resize(at(tri + 1, 0));
  } catch (const std::bad_alloc&) {
    pos_.resize(at(triNum_, 0));
    texCoord_.resize(at(triNum_, 0));
    return false;
  }
  triNum_ = tri + 1;
  return true;
}

bool dv_MeshTexture::setTriNum(int n) {
  if (n < 0) return report("setTriNum", 1, "Triangle Number Error.");
  if (n > triNum_) return growTo(n - 1);
  triNum_ = n;
  pos_.resize(at(n, 0));
  texCoord_.resize(at(n, 0));
  return true;
}

bool dv_MeshTexture::setVertexPos(int tri, int k, double x, double y, double z) {
  if (tri < 0 || !validK(k)) return report("setVertexPos", 1, kIdError);
  if (!growTo(tri)) return false;
  pos_[at(tri, k)].set(x, y, z);
  return true;
}

bool dv_MeshTexture::setVertexPos(int tri, int k, const dv_Vector& v) {
  if (tri < 0 || !validK(k)) return report("setVertexPos", 2, kIdError);
  if (!growTo(tri)) return false;
  pos_[at(tri, k)].set(v.x, v.y, v.z);
  return true;
}

bool dv_MeshTexture::setTriPos(int tri, const std::vector<dv_Vector>& vertices) {
  if (tri < 0) return report("setTriPos", 1, kIdError);
  if (vertices.size() != 3) return report("setTriPos", 2, kVertexNumberError);
  return setTriPos(tri, vertices.data());
}

bool dv_MeshTexture::setTriPos(int tri, const dv_Vector vertices[3]) {
  if (tri < 0) return report("setTriPos", 3, kTriangleIdError);
  if (!growTo(tri)) return false;
  for (int k = 0; k < 3; ++k) pos_[at(tri, k)].set(vertices[k].x, vertices[k].y, vertices[k].z);
  return true;
}

bool dv_MeshTexture::setTextureCoord(int tri, int k, double s, double t) {
  if (tri < 0 || !validK(k)) return report("setTextureCoord", 1, kTriangleIdError);
  if (!dv_IsTexCoordValue(s) || !dv_IsTexCoordValue(t)) return report("setTextureCoord", 2, kCoordError);
  if (!growTo(tri)) return false;
  texCoord_[at(tri, k)] = dv_TexCoord{static_cast<float>(s), static_cast<float>(t)};
  return true;
}

bool dv_MeshTexture::setTextureCoord(int tri, int k, const dv_TexCoord& c) {
  if (tri < 0 || !validK(k)) return report("setTextureCoord", 3, kTriangleIdError);
  if (!dv_IsTexCoordValue(c.s) || !dv_IsTexCoordValue(c.t)) return report("setTextureCoord", 4, kCoordError);
  if (!growTo(tri)) return false;
  texCoord_[at(tri, k)] = c;
  return true;
}

bool dv_MeshTexture::setTriTextureCoord(int tri, const std::vector<dv_TexCoord>& coords) {
  if (tri < 0) return report("setTriTextureCoord", 1, kTriangleIdError);
  if (coords.size() != 3) return report("setTriTextureCoord", 2, kVertexNumberError);
  return setTriTextureCoord(tri, coords.data());
}

bool dv_MeshTexture::setTriTextureCoord(int tri, const dv_TexCoord coords[3]) {
  if (tri < 0) return report("setTriTextureCoord", 3, kTriangleIdError);
  for (int k = 0; k < 3; ++k)
    if (!dv_IsTexCoordValue(coords[k].s) || !dv_IsTexCoordValue(coords[k].t))
      return report("setTriTextureCoord", 4, kCoordError);
  if (!growTo(tri)) return false;
  for (int k = 0; k < 3; ++k) texCoord_[at(tri, k)] = coords[k];
  return true;
}

dv_Vector dv_MeshTexture::getVertexPos(int tri, int k) const {
  if (tri < 0 || tri >= triNum_ || !validK(k)) {
    report("getVertexPos", 1, kTriangleIdError);
    return dv_Vector();
  }
  return pos_[at(tri, k)];
}

dv_TexCoord dv_MeshTexture::getTextureCoord(int tri, int k) const {
  if (tri < 0 || tri >= triNum_ || !validK(k)) {
    report("getTextureCoord", 1, kTriangleIdError);
    return dv_TexCoord{};
  }
  return texCoord_[at(tri, k)];
}
