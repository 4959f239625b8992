#include "framework/compose/NV3DItemBase.h"

#include <algorithm>

#include "framework/compose/NV3DStage.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVFrameCycle.h"
#include "framework/core/NVStageBase.h"
#include "toolkit/dv_DrawHooks.h"

namespace {

// Where a hidden item goes: far outside the unit cube every projection of
// the item uses.
constexpr double kHiddenX = -30000.0, kHiddenY = -30000.0, kHiddenZ = -1000.0;
constexpr double kDepthStep = 0.0001;

}  // namespace

NV3DItemBase::NV3DItemBase(int newX, int newY, int newWidth, int newHeight)
    : x(newX), y(newY), width(std::max(newWidth, 1)), height(std::max(newHeight, 1)) {
  typeName = "NV3DItemBase";
  initOnce();
  installItem3DHooks();
  setType(dv_ObjectType::FrameworkItem);
  material.setShininess(0.0);
  material.setAmbient(1.0, 1.0, 1.0);
  material.setDiffuse(1.0, 1.0, 1.0);
  material.setSpecular(1.0, 1.0, 1.0);
  material.setEmission(1.0, 1.0, 1.0);
  setMaterial(material);
}

NV3DItemBase::~NV3DItemBase() {
  if (NVEngine::instance) NVEngine::instance->forgetTarget(static_cast<NV3DItemBase*>(this));
  // Children outlive their parent as free-standing items of the stage; they
  // must not walk up into a destroyed one.
  for (auto& entry : children) entry.second->parent = nullptr;
  children.clear();
  detach();
}

void NV3DItemBase::addChild(NV3DItemBase* parent, NV3DItemBase* child, bool visible) {
  if (!parent || !child || child == parent || child->parent) return;
  child->parent = parent;
  child->depth = parent->depth + 1;
  if (parent->stage3D)
    parent->stage3D->addItem(child, visible);
  else
    child->setVisible(visible);
  parent->children.emplace(child->depth, child);
}

void NV3DItemBase::detach() {
  if (stage3D) stage3D->removeItem(this);
  if (!parent) return;
  for (auto it = parent->children.begin(); it != parent->children.end(); ++it) {
    if (it->second == this) {
      parent->children.erase(it);
      break;
    }
  }
  parent = nullptr;
}

void NV3DItemBase::preDraw() {
  // The model chain's placement, outermost parent first, as the renderer
  // applies it, but from identity: the camera and its projection are gone.
  // Only the renderer draws, and it provides the OpenGL calls.
  if (auto begin = dv_DrawHooks::instance().beginUnitCubePlacement) begin(*this);
}

void NV3DItemBase::postDraw() {
  if (auto end = dv_DrawHooks::instance().endUnitCubePlacement) end();
}

int NV3DItemBase::getAbsoluteX() const { return x + (parent ? parent->getAbsoluteX() : 0); }
int NV3DItemBase::getAbsoluteY() const { return y + (parent ? parent->getAbsoluteY() : 0); }
int NV3DItemBase::getEffectiveAlpha() const { return parent ? parent->getEffectiveAlpha() * alpha / 255 : alpha; }
bool NV3DItemBase::isShown() const { return visible && (!parent || parent->isShown()); }
bool NV3DItemBase::isActive() const { return enabled && (!parent || parent->isActive()); }

NVStageBase* NV3DItemBase::getStage() const { return stage3D ? stage3D->stage : nullptr; }

void NV3DItemBase::layout() {
  const double sw = stage3D ? stage3D->getWidth() : 300.0;
  const double sh = stage3D ? stage3D->getHeight() : 300.0;
  // The whole stage spans 2 units in both directions.
  setTextureSize(width * 2.0 / sw, height * 2.0 / sh);
  material.setAlpha(getEffectiveAlpha() / 255.0);
  setMaterial(material);
  if (isShown()) {
    // The centre of the pixel rectangle, y pointing up. A child, one level
    // deeper, gets a smaller z: with the identity projection of preDraw that
    // is nearer to the viewer, so children cover their parents.
    const double cx = (getAbsoluteX() - (sw - width) * 0.5) * (2.0 * width / sw) / width;
    const double cy = -((getAbsoluteY() - (sh - height) * 0.5) * (2.0 * height / sh) / height);
    glSetPosition(cx, cy, -depth * kDepthStep);
  } else {
    glSetPosition(kHiddenX, kHiddenY, kHiddenZ);
  }
  invalidate(true);
}

void NV3DItemBase::setAlpha(int newAlpha) {
  alpha = std::clamp(newAlpha, 0, 255);
  layout();
}

void NV3DItemBase::setVisible(bool on) {
  visible = on;
  layout();
}

bool NV3DItemBase::setRect(int newX, int newY, int newWidth, int newHeight) {
  x = newX, y = newY;
  width = std::max(newWidth, 1), height = std::max(newHeight, 1);
  layout();
  return true;
}

void NV3DItemBase::invalidate(bool) {
  if (NVStageBase* stage = getStage()) stage->invalidate(true);
}

void NV3DItemBase::requestFocus() {
  NVStageBase* stage = getStage();
  if (stage && stage->engine) stage->engine->requestFocus({stage, nullptr, ownerWidget, this});
  layout();
  invalidate(true);
}

void NV3DItemBase::setEnabled(bool on) {
  enabled = on;
  layout();
  for (auto& entry : children) entry.second->setEnabled(on);
}

void NV3DItemBase::hitTest(int hx, int hy, std::vector<NV3DItemBase*>& results, int maxCount) {
  if (static_cast<int>(results.size()) >= maxCount || !isShown() || alpha == 0) return;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    it->second->hitTest(hx, hy, results, maxCount);
    if (static_cast<int>(results.size()) >= maxCount) return;
  }
  const int u = hx - getAbsoluteX(), v = hy - getAbsoluteY();
  if (u < 0 || v < 0 || u >= width || v >= height) return;
  if (wholeRectHit || coversPoint(u, v)) results.push_back(this);
}
