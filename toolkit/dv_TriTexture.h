// An image on one triangle: three positions with a texture coordinate each.
#pragma once

#include "toolkit/dv_Texture.h"
#include "toolkit/dv_Vector.h"

class dv_TriTexture : public dv_Texture {
 public:
  explicit dv_TriTexture(dv_Image* image = nullptr);

  void init() override;

  // Vertex ids are 0-2.
  bool setVertexPos(int id, double x, double y, double z);
  bool setVertexPos(int id, const dv_Vector& v);
  dv_Vector getVertexPos(int id) const;
  bool setTextureCoord(int id, double s, double t);
  bool setTextureCoord(int id, const dv_TexCoord& c);
  dv_TexCoord getTextureCoord(int id) const;

 private:
  bool storeCoord(int id, double s, double t, int idCode, int coordCode);

  dv_Vector pos_[3];
  dv_TexCoord texCoord_[3];
};
