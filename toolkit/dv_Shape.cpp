#include "toolkit/dv_Shape.h"

bool dv_Shape::setMaterial(const dv_Material& material) {
  if (matAdmin_ == nullptr) return false;
  matAdmin_->setMaterial(material);
  materialSource_ = OwnMaterial;
  return true;
}

bool dv_Shape::setMaterialID(int id) {
  if (matAdmin_ == nullptr) return false;
  matAdmin_->setMaterialID(id);
  materialSource_ = OwnMaterial;
  return true;
}

bool dv_Shape::pushPalette(const dv_Material& material) {
  if (matAdmin_ == nullptr || !matAdmin_->pushPalette(material)) return false;
  materialSource_ = Palette;
  return true;
}

bool dv_Shape::setPalette(const dv_Material& material, int n) {
  if (matAdmin_ == nullptr || !matAdmin_->setPalette(material, n)) return false;
  materialSource_ = Palette;
  return true;
}
