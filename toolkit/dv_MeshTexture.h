// An image on a list of triangles; vertex k of triangle t is element 3t + k
// of the position and coordinate arrays. Setting a triangle at or beyond the
// count grows the mesh with zero entries.
#pragma once

#include <vector>

#include "toolkit/dv_Texture.h"
#include "toolkit/dv_Vector.h"

class dv_MeshTexture : public dv_Texture {
 public:
  // The mesh grows to at most this many triangles.
  static constexpr int MaxTriangles = 1 << 24;

  explicit dv_MeshTexture(dv_Image* image = nullptr);

  void init() override;

  bool setTriNum(int n);
  int getTriNum() const { return triNum_; }
  bool setVertexPos(int tri, int k, double x, double y, double z);
  bool setVertexPos(int tri, int k, const dv_Vector& v);
  bool setTriPos(int tri, const std::vector<dv_Vector>& vertices);
  bool setTriPos(int tri, const dv_Vector vertices[3]);
  bool setTextureCoord(int tri, int k, double s, double t);
  bool setTextureCoord(int tri, int k, const dv_TexCoord& c);
  bool setTriTextureCoord(int tri, const std::vector<dv_TexCoord>& coords);
  bool setTriTextureCoord(int tri, const dv_TexCoord coords[3]);
  dv_Vector getVertexPos(int tri, int k) const;
  dv_TexCoord getTextureCoord(int tri, int k) const;

  // FIXME: filling the mesh from a named object of a Metasequoia document and
  // handing it to an indexed face set wait for the solid-modelling layer.

 private:
  bool growTo(int tri);
  bool report(const char* function, int code, const char* message) const;

  int triNum_ = 0;
  std::vector<dv_Vector> pos_;
  std::vector<dv_TexCoord> texCoord_;
};
