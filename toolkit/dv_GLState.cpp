#include "toolkit/dv_GLState.h"

#include <algorithm>
#include <numbers>

#include "platform/opengl.h"
#include "toolkit/dv_Light.h"
#include "toolkit/dv_Model.h"
#include "toolkit/dv_OrthoProjection.h"
#include "toolkit/dv_Perspective.h"
#include "toolkit/dv_World.h"

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;
constexpr int kMaxLights = 8;

void toFloats(const dv_Color& c, GLfloat out[4]) {
  out[0] = c.getR();
  out[1] = c.getG();
  out[2] = c.getB();
  out[3] = c.getA();
}

// glLightfv or glMaterialfv.
using ColorSetter = void(APIENTRY*)(GLenum, GLenum, const GLfloat*);

void setColor(ColorSetter set, GLenum target, GLenum name, const dv_Color& color) {
  GLfloat v[4];
  toFloats(color, v);
  set(target, name, v);
}

void setLightColors(GLenum id, const dv_Material& material) {
  setColor(glLightfv, id, GL_AMBIENT, material.getAmbient());
  setColor(glLightfv, id, GL_DIFFUSE, material.getDiffuse());
  setColor(glLightfv, id, GL_SPECULAR, material.getSpecular());
}

void setLightGeometry(GLenum id, const dv_Model& model, const dv_Light& light) {
  const dv_Vector direction = model.getGlobalVec();
  const dv_Vector position = model.getGlobalPosition();
  const int type = light.getLightType();
  if (type == dv_Light::Parallel) {
    const GLfloat pos[4] = {static_cast<GLfloat>(-direction.x), static_cast<GLfloat>(-direction.y),
                            static_cast<GLfloat>(-direction.z), 0.0f};
    glLightfv(id, GL_POSITION, pos);
    // The same GL light may have been a spot or point light last frame.
    glLightf(id, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(id, GL_QUADRATIC_ATTENUATION, 0.0f);
    glLightf(id, GL_SPOT_CUTOFF, 180.0f);
    return;
  }
  const GLfloat pos[4] = {static_cast<GLfloat>(position.x), static_cast<GLfloat>(position.y),
                          static_cast<GLfloat>(position.z), 1.0f};
  glLightfv(id, GL_POSITION, pos);
  glLightf(id, GL_LINEAR_ATTENUATION, static_cast<GLfloat>(light.getLinearAttenuation()));
  glLightf(id, GL_QUADRATIC_ATTENUATION, static_cast<GLfloat>(light.getQuadraticAttenuation()));
  if (type == dv_Light::Point) {
    glLightf(id, GL_SPOT_CUTOFF, 180.0f);
    return;
  }
  const GLfloat dir[3] = {static_cast<GLfloat>(direction.x), static_cast<GLfloat>(direction.y),
                          static_cast<GLfloat>(direction.z)};
  glLightfv(id, GL_SPOT_DIRECTION, dir);
  // OpenGL refuses exponents above 128.
  glLightf(id, GL_SPOT_EXPONENT, static_cast<GLfloat>(std::min(light.getSpotExponent(), 128.0)));
  glLightf(id, GL_SPOT_CUTOFF, static_cast<GLfloat>(light.getSpotCutOff() * kDegrees));
}

}  // namespace

void dv_GLApplyMaterial(const dv_Material& material, bool lighting) {
  if (!lighting) {
    glDisable(GL_LIGHTING);
    GLfloat v[4];
    toFloats(material.getAmbient(), v);
    glColor4fv(v);
    return;
  }
  glEnable(GL_LIGHTING);
  setColor(glMaterialfv, GL_FRONT, GL_AMBIENT, material.getAmbient());
  setColor(glMaterialfv, GL_FRONT, GL_DIFFUSE, material.getDiffuse());
  setColor(glMaterialfv, GL_FRONT, GL_SPECULAR, material.getSpecular());
  setColor(glMaterialfv, GL_FRONT, GL_EMISSION, material.getEmission());
  glMaterialf(GL_FRONT, GL_SHININESS, material.getShininess());
}

void dv_GLModelTransform(const dv_Model& model) {
  if (const dv_Model* parent = model.getParent()) dv_GLModelTransform(*parent);
  const dv_Vector p = model.getPosition();
  const dv_Angle& a = model.getAngle();
  glTranslated(p.x, p.y, p.z);
  glRotated(-a.h * kDegrees, 0.0, 1.0, 0.0);
  glRotated(a.p * kDegrees, 1.0, 0.0, 0.0);
  glRotated(-a.b * kDegrees, 0.0, 0.0, 1.0);
  if (model.isScaled()) {
    const double s = model.getScale();
    glScaled(s * model.getScale(0), s * model.getScale(1), s * model.getScale(2));
  }
}

void dv_GLBeginUnitCubePlacement(const dv_Model& model) {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  dv_GLModelTransform(model);
}

void dv_GLEndUnitCubePlacement() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void dv_GLCameraTransform(const dv_Model* camera) {
  for (const dv_Model* m = camera; m != nullptr; m = m->getParent()) {
    const dv_Vector p = m->getPosition();
    const dv_Angle& a = m->getAngle();
    glRotated(a.b * kDegrees, 0.0, 0.0, 1.0);
    glRotated(-a.p * kDegrees, 1.0, 0.0, 0.0);
    glRotated(a.h * kDegrees, 0.0, 1.0, 0.0);
    glTranslated(-p.x, -p.y, -p.z);
  }
}

bool dv_GLSetupLights(const std::vector<dv_Model*>& lights) {
  for (int i = 0; i < kMaxLights; ++i) glDisable(GL_LIGHT0 + i);
  int used = 0;
  for (const dv_Model* model : lights) {
    if (used == kMaxLights) break;
    const auto* light = dynamic_cast<const dv_Light*>(model->getShape());
    if (light == nullptr) continue;
    const GLenum id = GL_LIGHT0 + used++;
    setLightColors(id, model->getEffectiveMaterial());
    setLightGeometry(id, *model, *light);
    glEnable(id);
  }
  if (used == 0) glDisable(GL_LIGHTING);
  return used > 0;
}

void dv_GLApplyFog(const dv_World& world) {
  const int mode = world.getFogType();
  if (mode == dv_World::FogOff) {
    glDisable(GL_FOG);
    return;
  }
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, mode == dv_World::FogLinear ? GL_LINEAR : GL_EXP);
  const GLenum hints[3] = {GL_FASTEST, GL_NICEST, GL_DONT_CARE};
  glHint(GL_FOG_HINT, hints[world.getFogQuality()]);
  glFogf(GL_FOG_DENSITY, static_cast<GLfloat>(world.getFogDensity()));
  glFogf(GL_FOG_START, static_cast<GLfloat>(world.getFogStart()));
  glFogf(GL_FOG_END, static_cast<GLfloat>(world.getFogEnd()));
  GLfloat color[4];
  toFloats(world.getFogColor(), color);
  glFogfv(GL_FOG_COLOR, color);
}

void dv_GLDisableFog() { glDisable(GL_FOG); }

void dv_GLMultProjection(const dv_Projection* projection, int width, int height) {
  const double aspect = static_cast<double>(width) / static_cast<double>(height);
  if (const auto* p = dynamic_cast<const dv_Perspective*>(projection)) {
    gluPerspective(p->getFovy() * kDegrees, aspect, p->getNear(), p->getFar());
  } else if (const auto* o = dynamic_cast<const dv_OrthoProjection*>(projection)) {
    glOrtho(o->getLeft(), o->getRight(), o->getBottom(), o->getTop(), o->getNear(), o->getFar());
  } else {
    gluPerspective(dv_Perspective::DefaultFovy * kDegrees, aspect, dv_Perspective::DefaultNear,
                   dv_Perspective::DefaultFar);
  }
}
