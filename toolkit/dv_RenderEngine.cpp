#include "toolkit/dv_RenderEngine.h"

#include <algorithm>

#include "platform/opengl.h"
#include "toolkit/dv_DrawHooks.h"
#include "toolkit/dv_GLContext.h"
#include "toolkit/dv_GLElements.h"
#include "toolkit/dv_GLState.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_Texture.h"
#include "toolkit/dv_TextureDrawer.h"
#include "toolkit/dv_World.h"

namespace {

int windowCounter = 1;

bool isTextureShape(int type) { return type >= dv_ObjectType::RectTexture && type <= dv_ObjectType::IFSTexture; }

}  // namespace

dv_RenderEngine::dv_RenderEngine()
    : textures_(std::make_unique<dv_TextureDrawer>()), selectBuffer_(SelectBufferSize, 0) {
  // The draw hooks of models reach OpenGL through these; once is enough.
  static const bool hooked = [] {
    dv_DrawHooks& hooks = dv_DrawHooks::instance();
    hooks.beginUnitCubePlacement = dv_GLBeginUnitCubePlacement;
    hooks.endUnitCubePlacement = dv_GLEndUnitCubePlacement;
    return true;
  }();
  (void)hooked;
}

dv_RenderEngine::~dv_RenderEngine() = default;

int dv_RenderEngine::getWindowCounter() { return windowCounter; }

void dv_RenderEngine::init(int width, int height) {
  windowId_ = windowCounter++;
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  // A new window has never set up its viewport.
  resized_ = true;
  scene_ = nullptr;
  lastSceneId_ = -1;
  lastProjectionVersion_ = -1;
  lighting_ = false;
  textures_ = std::make_unique<dv_TextureDrawer>();
  pickModels_.clear();
}

void dv_RenderEngine::resize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  resized_ = true;
}

void dv_RenderEngine::releaseTextures() {
  if (!makeCurrent()) return;
  dv_TextureDrawer::releaseAll();
  textures_->forget();
  ++windowCounter;
}

void dv_RenderEngine::setScene(dv_ModelSet* scene) {
  scene_ = scene;
  // A scene built after another was destroyed may carry its id and
  // projection version; only a new setScene tells them apart. No scene
  // counts as id -1, so this is an id that nothing carries.
  lastSceneId_ = -2;
  lastProjectionVersion_ = -2;
}

bool dv_RenderEngine::makeCurrent() { return context_ == nullptr || context_->makeCurrent(); }

void dv_RenderEngine::initGL() {
  if (!makeCurrent()) return;
  glDisable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_ALPHA_TEST);
  glEnable(GL_NORMALIZE);
  glEnable(GL_POINT_SMOOTH);
  glEnable(GL_LINE_SMOOTH);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_BLEND);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glShadeModel(GL_FLAT);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(1.0f, 1.0f);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPolygonMode(GL_FRONT, GL_FILL);
  glAlphaFunc(GL_GREATER, 0.01f);
}

void dv_RenderEngine::setupProjection() {
  glViewport(0, 0, width_, height_);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  dv_GLMultProjection(scene_ ? &scene_->getProjection() : nullptr, width_, height_);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(0.0, 0.0, 0.0, 0.0, 0.0, -1.0, 0.0, 1.0, 0.0);
}

// The projection and fog as the window and the scene stand now.
void dv_RenderEngine::syncProjection() {
  if (resized_ || windowCounter > 2) {
    setupProjection();
    resized_ = false;
  }
  auto* world = dynamic_cast<dv_World*>(scene_);
  const int id = scene_ ? scene_->getSceneId() : -1;
  const int version = scene_ ? scene_->getProjectionVersion() : -1;
  if (id != lastSceneId_ || version != lastProjectionVersion_) {
    lastSceneId_ = id;
    lastProjectionVersion_ = version;
    setupProjection();
    // Fog of an earlier world must not cover a scene that has none.
    if (world == nullptr) dv_GLDisableFog();
  } else if (world == nullptr || !world->isFogChanged()) {
    return;
  }
  if (world != nullptr) {
    dv_GLApplyFog(*world);
    world->clearFogChanged();
  }
}

void dv_RenderEngine::applySceneState() {
  const auto* world = dynamic_cast<const dv_World*>(scene_);
  // A model set has no blending of its own; an earlier world's must go.
  if (world != nullptr && world->getBlending())
    glEnable(GL_BLEND);
  else
    glDisable(GL_BLEND);
  const dv_Color black(0.0, 0.0, 0.0, 1.0);
  const dv_Color& c = world ? world->getBackground() : black;
  glClearColor(c.getR(), c.getG(), c.getB(), 1.0f);
}

void dv_RenderEngine::draw(bool pickFlag) {
  if (!makeCurrent()) return;
  syncProjection();
  applySceneState();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  dv_GLCameraTransform(scene_ ? scene_->getCamera() : nullptr);
  drawLists(pickFlag);
  glPopMatrix();
  glFlush();
  if (context_ != nullptr) context_->swapBuffers();
}

void dv_RenderEngine::drawLists(bool picking) {
  if (scene_ == nullptr) {
    lighting_ = dv_GLSetupLights({});
    return;
  }
  lighting_ = dv_GLSetupLights(scene_->getLights());
  if (picking) pickModels_.clear();
  textures_->forget();
  for (dv_Model* model : scene_->getModels()) drawModel(*model, picking);
  if (scene_->getOverlays().empty()) return;
  glDisable(GL_DEPTH_TEST);
  for (dv_Model* model : scene_->getOverlays()) drawModel(*model, picking);
  glEnable(GL_DEPTH_TEST);
}

void dv_RenderEngine::drawModel(dv_Model& model, bool picking) {
  if (picking) {
    if (!model.getPickable()) return;
    glLoadName(static_cast<GLuint>(pickModels_.size()));
    pickModels_.push_back(&model);
  }
  dv_Shape* shape = model.getShape();
  if (shape == nullptr) return;
  glPushMatrix();
  dv_GLModelTransform(model);
  model.preDraw();
  auto* texture = dynamic_cast<dv_Texture*>(shape);
  if (!picking && texture != nullptr && isTextureShape(shape->getType())) {
    textures_->draw(model, *texture, lighting_);
    if (lighting_)
      glEnable(GL_LIGHTING);
    else
      glDisable(GL_LIGHTING);
  } else if (model.getDrawParts() != 0) {
    textures_->disable();
    dv_GLDrawElements(model, *shape, picking, lighting_);
  }
  model.postDraw();
  // A hook may leave another matrix stack selected.
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}
