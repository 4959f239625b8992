#include "toolkit/dv_Texture.h"

dv_Texture::dv_Texture(dv_Image* image, int type) : dv_Shape(type), image_(image) {
  setMatAdmin(&materials_);
  setMaterialSource(Palette);
}

dv_Texture::~dv_Texture() = default;

void dv_Texture::init() {
  image_ = nullptr;
  materials_.clearPalette();
  envMode_ = EnvModulate;
  setMaterialSource(Palette);
  filter_ = FilterNearest;
}

bool dv_Texture::loadBMP(const std::string& path) {
  image_ = &ownImage_;
  return ownImage_.loadBMP(path) == dv_Image::LoadOk;
}

bool dv_Texture::loadBMPData(const void* data, size_t size) {
  image_ = &ownImage_;
  return ownImage_.loadBMPData(data, size) == dv_Image::LoadOk;
}

bool dv_Texture::loadPNG(const std::string& path) {
  image_ = &ownImage_;
  return ownImage_.loadPNG(path) == dv_Image::LoadOk;
}

bool dv_Texture::loadPNGData(const void* data, size_t size) {
  image_ = &ownImage_;
  return ownImage_.loadPNGData(data, size) == dv_Image::LoadOk;
}

bool dv_Texture::isDrawable() const {
  return image_ != nullptr && image_->getBufferWidth() >= 64 && image_->getBufferHeight() >= 64;
}

dv_TexCoord dv_Texture::toBufferCoord(float s, float t) const {
  if (!isDrawable()) return dv_TexCoord{};
  return dv_TexCoord{s * image_->getWidth() / image_->getBufferWidth(),
                     t * image_->getHeight() / image_->getBufferHeight()};
}
