// Base of the textured shapes: an image (its own or one set from outside),
// a material table used as palette, the environment mode and the filter.
#pragma once

#include <string>

#include "toolkit/dv_Image.h"
#include "toolkit/dv_MatAdmin.h"
#include "toolkit/dv_Shape.h"
#include "toolkit/dv_TexCoord.h"

class dv_Texture : public dv_Shape {
 public:
  static constexpr int EnvReplace = 0;
  static constexpr int EnvModulate = 1;
  static constexpr int FilterNearest = 0;
  static constexpr int FilterLinear = 1;

  explicit dv_Texture(dv_Image* image = nullptr, int type = dv_ObjectType::Texture);
  ~dv_Texture() override;

  // Detaches the image and restores the defaults.
  virtual void init() = 0;

  void setImage(dv_Image* image) { image_ = image; }
  dv_Image* getImage() const { return image_; }
  dv_Image& getOwnImage() { return ownImage_; }
  dv_MatAdmin& getMaterialTable() { return materials_; }
  void setEnvMode(int mode) { envMode_ = mode; }
  int getEnvMode() const { return envMode_; }
  void setFilter(int filter) { filter_ = filter; }
  int getFilter() const { return filter_; }

  // Load into the texture's own image, which becomes the image in use.
  bool loadBMP(const std::string& path);
  bool loadBMPData(const void* data, size_t size);
  bool loadPNG(const std::string& path);
  bool loadPNGData(const void* data, size_t size);

  // Whether the image in use is large enough to be drawn (64 x 64 buffer).
  bool isDrawable() const;
  // A shape coordinate mapped to the used part of the buffer.
  dv_TexCoord toBufferCoord(float s, float t) const;

 private:
  dv_Image ownImage_;
  dv_Image* image_ = nullptr;
  dv_MatAdmin materials_;
  int envMode_ = EnvModulate;
  int filter_ = FilterNearest;
};
