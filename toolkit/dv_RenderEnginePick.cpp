// Picking, screen capture and the mapping between scene and window points.
#include <algorithm>
#include <cmath>

#include "platform/opengl.h"
#include "toolkit/dv_GLState.h"
#include "toolkit/dv_Image.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_PickResult.h"
#include "toolkit/dv_Plane.h"
#include "toolkit/dv_RenderEngine.h"

namespace {

// OpenGL stores matrices column by column.
dv_Matrix fromGL(const GLdouble gl[16]) {
  dv_Matrix m;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) m.m[r][c] = gl[c * 4 + r];
  return m;
}

int kindCode(GLuint elementName) {
  static constexpr int codes[3] = {dv_PickResult::Face, dv_PickResult::Edge, dv_PickResult::Vertex};
  return codes[elementName % 3];
}

}  // namespace

void dv_RenderEngine::setupPick(int size, int x, int y) {
  if (!makeCurrent()) return;
  glViewport(0, 0, width_, height_);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  // Records of an earlier pick must not pass for this one's.
  std::fill(selectBuffer_.begin(), selectBuffer_.end(), 0u);
  glSelectBuffer(SelectBufferSize, selectBuffer_.data());
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPickMatrix(x, height_ - y, size, size, viewport);
  dv_GLMultProjection(scene_ ? &scene_->getProjection() : nullptr, width_, height_);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(0.0, 0.0, 0.0, 0.0, 0.0, -1.0, 0.0, 1.0, 0.0);
}

void dv_RenderEngine::pick(dv_PickResult& result) {
  if (!makeCurrent()) return;
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  dv_GLCameraTransform(scene_ ? scene_->getCamera() : nullptr);
  drawLists(true);
  glPopMatrix();
  readHits(glRenderMode(GL_RENDER), result);
  setupProjection();
}

// A hit record is the name count, the depth range and the names: the model
// index, then the element name. A negative count means the buffer ran
// over; the complete records in it are still read.
void dv_RenderEngine::readHits(int hits, dv_PickResult& result) {
  const size_t size = selectBuffer_.size();
  size_t at = 0;
  for (int i = 0; hits < 0 || i < hits; ++i) {
    if (size - at < 3) break;
    const size_t names = selectBuffer_[at];
    if (names == 0 || size - at - 3 < names) break;
    if (names >= 2) {
      const GLuint index = selectBuffer_[at + 3];
      const GLuint element = selectBuffer_[at + 3 + names - 1];
      dv_Model* model = index < pickModels_.size() ? pickModels_[index] : nullptr;
      result.add(model, static_cast<int>(element / 3), kindCode(element));
    }
    at += 3 + names;
  }
}

bool dv_RenderEngine::capture(dv_Image& image, bool fromBackBuffer) {
  if (!makeCurrent()) return false;
  if (image.getWidth() != width_ || image.getHeight() != height_) {
    if (!image.reset(width_, height_, true)) return false;
  }
  glReadBuffer(fromBackBuffer ? GL_BACK : GL_FRONT);
  // Rows of three bytes are packed without padding.
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  captureBuffer_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3);
  glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, captureBuffer_.data());
  for (int i = 0; i < height_; ++i) {
    const unsigned char* p = captureBuffer_.data() + static_cast<size_t>(i) * width_ * 3;
    for (int x = 0; x < width_; ++x, p += 3) image.setRGBA(x, height_ - 1 - i, p[0], p[1], p[2], 255);
  }
  return true;
}

void dv_RenderEngine::readTransform() {
  GLdouble projection[16];
  GLdouble modelview[16];
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  dv_GLCameraTransform(scene_ ? scene_->getCamera() : nullptr);
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  glPopMatrix();
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport_);
  transform_ = fromGL(projection) * fromGL(modelview);
}

bool dv_RenderEngine::projectToWindow(const dv_Vector& point, dv_Vector& result) {
  if (!makeCurrent()) return false;
  syncProjection();
  readTransform();
  const dv_HVector v = transform_ * dv_HVector(point, 1.0);
  if (std::fabs(v.w) < 1e-8) return false;
  const double nx = v.x / v.w, ny = v.y / v.w, nz = v.z / v.w;
  result.set(viewport_[0] + viewport_[2] * (nx + 1.0) / 2.0,
             viewport_[1] + height_ - 1 - viewport_[3] * (ny + 1.0) / 2.0, (nz + 1.0) / 2.0);
  return true;
}

bool dv_RenderEngine::unprojectFromWindow(double x, double y, dv_Vector& nearPoint, dv_Vector& farPoint) {
  if (!makeCurrent()) return false;
  syncProjection();
  readTransform();
  dv_Matrix inverse = transform_;
  if (!inverse.inverse()) return false;
  const double nx = (x - viewport_[0]) * 2.0 / viewport_[2] - 1.0;
  const double ny = (height_ - y - 1.0 - viewport_[1]) * 2.0 / viewport_[3] - 1.0;
  const dv_HVector a = inverse * dv_HVector(nx, ny, -1.0, 1.0);
  const dv_HVector b = inverse * dv_HVector(nx, ny, 1.0, 1.0);
  if (std::fabs(a.w) < 1e-8 || std::fabs(b.w) < 1e-8) return false;
  nearPoint = a.xyz() / a.w;
  farPoint = b.xyz() / b.w;
  return true;
}

bool dv_RenderEngine::unprojectAtDistance(double x, double y, double distance, dv_Vector& result) {
  dv_Vector nearPoint, farPoint;
  if (scene_ == nullptr || !unprojectFromWindow(x, y, nearPoint, farPoint)) return false;
  dv_Vector direction = farPoint - nearPoint;
  if (!direction.normalize()) return false;
  const dv_Model* camera = scene_->getCamera();
  const dv_Vector origin = camera ? camera->getGlobalPosition() : dv_Vector();
  result = origin + distance * direction;
  return true;
}

bool dv_RenderEngine::unprojectToPlane(double x, double y, dv_Plane& plane, dv_Vector& result) {
  dv_Vector nearPoint, farPoint;
  if (scene_ == nullptr || !unprojectFromWindow(x, y, nearPoint, farPoint)) return false;
  return plane.intersectLine(nearPoint, farPoint, result);
}
