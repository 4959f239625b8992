#include "toolkit/dv_TextureDrawer.h"

#include <algorithm>
#include <vector>

#include "platform/opengl.h"
#include "toolkit/dv_GLState.h"
#include "toolkit/dv_GLTextureShapes.h"
#include "toolkit/dv_Model.h"
#include "toolkit/dv_Texture.h"

namespace {

// Every texture name the toolkit generated, in every context.
std::vector<GLuint>& generatedNames() {
  static std::vector<GLuint> names;
  return names;
}

const dv_Material* textureMaterial(const dv_Model& model, const dv_Texture& texture) {
  const int source = texture.getMaterialSource();
  if (source == dv_Shape::NoMaterial) return nullptr;
  const dv_MatAdmin* table = texture.getMatAdmin();
  if (source == dv_Shape::OwnMaterial && table != nullptr && table->getMaterialID() >= 0)
    return &table->getPaletteMaterial(table->getMaterialID());
  return &model.getEffectiveMaterial();
}

GLuint create(dv_Image& image, int filter) {
  GLuint name = 0;
  glGenTextures(1, &name);
  generatedNames().push_back(name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  const GLint f = filter == 1 ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, f);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, f);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.getBufferWidth(), image.getBufferHeight(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
               image.getBuffer());
  image.setTextureId(static_cast<int>(name));
  image.clearUpdate();
  return name;
}

// The update area is in image pixels, y downward; the buffer holds the
// image bottom-up, so the area's rows are counted from the buffer's top.
void uploadArea(const dv_Image& image) {
  const dv_ImageArea a = image.getUpdateArea();
  int x0 = 0, y0 = 0, x1 = image.getBufferWidth(), y1 = image.getBufferHeight();
  if (a.w >= 1 && a.h >= 1) {
    // Only the part inside the image can have changed; the rest would read
    // outside the rows the area names.
    x0 = std::max(a.x, 0);
    y0 = std::max(a.y, 0);
    x1 = std::min(a.x + a.w, image.getWidth());
    y1 = std::min(a.y + a.h, image.getHeight());
    if (x0 >= x1 || y0 >= y1) return;
    const int bottom = image.getHeight() - y1;
    y1 = image.getHeight() - y0;
    y0 = bottom;
  }
  glPixelStorei(GL_UNPACK_ROW_LENGTH, image.getBufferWidth());
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, x0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, y0);
  glTexSubImage2D(GL_TEXTURE_2D, 0, x0, y0, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, image.getBuffer());
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
}

}  // namespace

unsigned int dv_TextureDrawer::upload(dv_Image& image, int filter) {
  if (image.isEmpty()) return 0;
  GLuint name = static_cast<GLuint>(image.getTextureId());
  if (name == 0 || glIsTexture(name) != GL_TRUE) {
    bound_ = create(image, filter);
    return bound_;
  }
  if (!image.isUpdated()) return name;
  glBindTexture(GL_TEXTURE_2D, name);
  bound_ = name;
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  if (w != image.getBufferWidth() || h != image.getBufferHeight()) {
    glDeleteTextures(1, &name);
    bound_ = create(image, filter);
    return bound_;
  }
  uploadArea(image);
  image.clearUpdate();
  return name;
}

void dv_TextureDrawer::releaseAll() {
  std::vector<GLuint>& names = generatedNames();
  if (!names.empty()) glDeleteTextures(static_cast<GLsizei>(names.size()), names.data());
  names.clear();
}

void dv_TextureDrawer::draw(dv_Model& model, dv_Texture& texture, bool lighting) {
  const dv_Material* material = textureMaterial(model, texture);
  dv_Image* image = texture.getImage();
  if (material == nullptr || image == nullptr) return;
  dv_GLApplyMaterial(*material, lighting);
  const unsigned int name = upload(*image, texture.getFilter());
  if (name == 0) return;
  bind(name, texture.getEnvMode());
  model.textureHook(name);
  dv_GLDrawTextureShape(texture);
}

void dv_TextureDrawer::bind(unsigned int name, int envMode) {
  if (!enabled_) {
    glEnable(GL_TEXTURE_2D);
    enabled_ = true;
  }
  // Shapes sharing an image may still differ in how they apply it.
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode != 0 ? GL_MODULATE : GL_REPLACE);
  if (name == bound_) return;
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  bound_ = name;
}

void dv_TextureDrawer::forget() { bound_ = 0; }

void dv_TextureDrawer::disable() {
  if (!enabled_) return;
  glDisable(GL_TEXTURE_2D);
  enabled_ = false;
}
