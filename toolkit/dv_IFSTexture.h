// An image on an indexed face set of the solid-modelling layer. The face set
// is not owned.
#pragma once

#include "toolkit/dv_Texture.h"

class dv_IndexFaceSet;

class dv_IFSTexture : public dv_Texture {
 public:
  explicit dv_IFSTexture(dv_Image* image = nullptr) : dv_Texture(image, dv_ObjectType::IFSTexture) {}

  void init() override {
    dv_Texture::init();
    faceSet_ = nullptr;
  }

  // FIXME: the face set's geometry and texture coordinates come with the
  // solid-modelling layer; until then the texture only records which set it
  // belongs to.
  void setFaceSet(dv_IndexFaceSet* faceSet) { faceSet_ = faceSet; }
  dv_IndexFaceSet* getFaceSet() const { return faceSet_; }

 private:
  dv_IndexFaceSet* faceSet_ = nullptr;
};
