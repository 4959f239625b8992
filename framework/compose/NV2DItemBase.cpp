#include "framework/compose/NV2DItemBase.h"

#include <algorithm>
#include <cmath>

#include "framework/compose/NV2DScene.h"
#include "framework/compose/NV2DStage.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVFrameCycle.h"

NV2DItemBase::NV2DItemBase(int newDepth) {
  typeName = "NV2DItemBase";
  initOnce();
  installItemHooks();
  resetItem(newDepth);
}

NV2DItemBase::~NV2DItemBase() {
  NVEngine::forgetEverywhere(static_cast<NV2DItemBase*>(this));
  for (auto& entry : children) entry.second->parent = nullptr;
  children.clear();
  NV2DItemBase::detach();
}

void NV2DItemBase::resetItem(int newDepth) {
  parent = nullptr;
  ownerWidget = nullptr;
  children.clear();
  scene = nullptr;
  depth = newDepth;
  visible = false;
  enabled = true;
  bubbleEvents = wholeRectHit = clipChildren = false;
  x = y = width = height = 0;
  alpha = 255;
  blendMode = filter = 0;
  scaleX = scaleY = 1.0;
  rotation = 0.0;
  updateLocalMatrix();
}

void NV2DItemBase::detach() {
  invalidate(true);
  if (parent)
    removeChild(parent, this);
  else if (scene)
    scene->removeRoot(this);
  parent = nullptr;
  scene = nullptr;
  depth = 0;
  visible = false;
  wholeRectHit = false;
  enabled = true;
}

void NV2DItemBase::addChild(NV2DItemBase* parent, NV2DItemBase* child, bool visible) {
  if (!parent || !child || child->parent || child->scene) return;
  child->parent = parent;
  parent->children.emplace(child->depth, child);
  if (visible) {
    child->visible = true;
    child->invalidate(true);
  } else {
    child->invalidate(true);
    child->visible = false;
  }
}

void NV2DItemBase::removeChild(NV2DItemBase* parent, NV2DItemBase* child) {
  if (!parent || !child) return;
  for (auto it = parent->children.begin(); it != parent->children.end(); ++it) {
    if (it->second == child) {
      parent->children.erase(it);
      break;
    }
  }
  child->scene = nullptr;
  child->parent = nullptr;
}

int NV2DItemBase::getAbsoluteX() const { return x + (parent ? parent->getAbsoluteX() : 0); }

int NV2DItemBase::getAbsoluteY() const { return y + (parent ? parent->getAbsoluteY() : 0); }

int NV2DItemBase::getEffectiveAlpha() const { return parent ? parent->getEffectiveAlpha() * alpha / 255 : alpha; }

bool NV2DItemBase::isShown() const { return visible && (!parent || parent->isShown()); }

bool NV2DItemBase::isActive() const { return enabled && (!parent || parent->isActive()); }

bool NV2DItemBase::isClipped() const {
  for (const NV2DItemBase* a = parent; a; a = a->parent)
    if (a->clipChildren) return true;
  return false;
}

NV2DScene* NV2DItemBase::getScene() const {
  const NV2DItemBase* root = this;
  while (root->parent) root = root->parent;
  return root->scene;
}

NVStageBase* NV2DItemBase::getStage() const {
  NV2DScene* s = getScene();
  return s ? NV2DStage::findStage(s) : nullptr;
}

NVBlitMatrix NV2DItemBase::getCumulativeMatrix() const {
  if (!parent) return local;
  const NVBlitMatrix p = parent->getCumulativeMatrix();
  const NVBlitMatrix& l = local;
  NVBlitMatrix m;
  m.xx = l.xx * p.xx + l.xy * p.yx;
  m.xy = l.xx * p.xy + l.xy * p.yy;
  m.tx = l.xx * p.tx + l.xy * p.ty + l.tx;
  m.yx = l.yx * p.xx + l.yy * p.yx;
  m.yy = l.yx * p.xy + l.yy * p.yy;
  m.ty = l.yx * p.tx + l.yy * p.ty + l.ty;
  return m;
}

void NV2DItemBase::updateLocalMatrix() {
  local = NVBlitMatrix();
  if (scaleX == 1.0 && scaleY == 1.0 && rotation == 0.0) return;
  const double theta = rotation * 3.141592 / 180.0;
  const double s = std::sin(theta), k = std::cos(theta);
  double cx = getAbsoluteX() + width * 0.5, cy = getAbsoluteY() + height * 0.5;
  if (parent) {
    const NVBlitMatrix p = parent->getCumulativeMatrix();
    const double mx = p.xx * cx + p.xy * cy + p.tx, my = p.yx * cx + p.yy * cy + p.ty;
    cx = mx, cy = my;
  }
  local.xx = k * scaleX;
  local.xy = -s * scaleY;
  local.yx = s * scaleX;
  local.yy = k * scaleY;
  local.tx = cx - k * scaleX * cx + s * scaleY * cy;
  local.ty = cy - s * scaleX * cx - k * scaleY * cy;
}

void NV2DItemBase::localToStage(double lx, double ly, double& outX, double& outY) const {
  const NVBlitMatrix m = getCumulativeMatrix();
  const double ax = getAbsoluteX() + lx, ay = getAbsoluteY() + ly;
  outX = ax * m.xx + ay * m.xy + m.tx;
  outY = ax * m.yx + ay * m.yy + m.ty;
}

void NV2DItemBase::stageToLocal(double sx, double sy, double& outX, double& outY) const {
  const NVBlitMatrix m = getCumulativeMatrix();
  const double g = 1.0 / (m.xx * m.yy - m.yx * m.xy);
  outX = g * (m.yy * sx - m.xy * sy + m.xy * m.ty - m.yy * m.tx) - getAbsoluteX();
  outY = g * (-m.yx * sx + m.xx * sy + m.yx * m.tx - m.xx * m.ty) - getAbsoluteY();
}

NVRect NV2DItemBase::getBoundingBox() const {
  const double corners[4][2] = {{0, 0}, {double(width), 0}, {0, double(height)}, {double(width), double(height)}};
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (int i = 0; i < 4; ++i) {
    double sx, sy;
    localToStage(corners[i][0], corners[i][1], sx, sy);
    if (i == 0 || sx < minX) minX = sx;
    if (i == 0 || sy < minY) minY = sy;
    if (i == 0 || sx > maxX) maxX = sx;
    if (i == 0 || sy > maxY) maxY = sy;
  }
  return {static_cast<int>(minX) - 2, static_cast<int>(minY) - 2, static_cast<int>(maxX) + 2,
          static_cast<int>(maxY) + 2};
}

void NV2DItemBase::markDirty(const NVRect& box) {
  if (NV2DScene* s = getScene()) s->growDirty(box);
}

void NV2DItemBase::invalidateChildren() {
  for (auto& entry : children) entry.second->invalidate(true);
}

bool NV2DItemBase::invalidate(bool really) {
  if (!really || !isShown() || !getScene()) return false;
  markDirty(getBoundingBox());
  invalidateChildren();
  return true;
}

bool NV2DItemBase::invalidateRect(int x0, int y0, int x1, int y1) {
  if (!isShown() || !getScene()) return false;
  const double corners[4][2] = {
      {double(x0), double(y0)}, {double(x1), double(y0)}, {double(x0), double(y1)}, {double(x1), double(y1)}};
  NVRect box{};
  for (int i = 0; i < 4; ++i) {
    double sx, sy;
    localToStage(corners[i][0], corners[i][1], sx, sy);
    const int ix = static_cast<int>(sx), iy = static_cast<int>(sy);
    if (i == 0) box = {ix, iy, ix, iy};
    box = {std::min(box.left, ix), std::min(box.top, iy), std::max(box.right, ix), std::max(box.bottom, iy)};
  }
  markDirty(box.grown(2));
  invalidateChildren();
  return true;
}

void NV2DItemBase::requestFocus() {
  NVStageBase* stage = getStage();
  if (stage && stage->engine) stage->engine->requestFocus({stage, this, ownerWidget, nullptr});
  invalidate(true);
}

void NV2DItemBase::setEnabled(bool on) {
  enabled = on;
  invalidate(true);
  for (auto& entry : children) entry.second->setEnabled(on);
}

std::vector<NVBlitClipAncestor> NV2DItemBase::clipAncestors() const {
  std::vector<NVBlitClipAncestor> found;
  for (const NV2DItemBase* a = parent; a; a = a->parent) {
    if (!a->clipChildren) continue;
    found.push_back({a->getCumulativeMatrix(), a->getAbsoluteX(), a->getAbsoluteY(), a->width, a->height});
  }
  return found;
}

void NV2DItemBase::draw(const NVPixelTarget& target, const NVRect& area) {
  if (!isShown() || !getScene()) return;
  NVRect r = area.intersected(getBoundingBox());
  for (const NV2DItemBase* a = parent; a; a = a->parent) {
    if (a->clipChildren) r = r.intersected(a->getBoundingBox());
  }
  r = r.intersected({0, 0, target.width, target.height});
  if (r.isEmpty()) return;
  if (isClipped())
    blitClipped(target, r);
  else
    blit(target, r);
  for (auto& entry : children) entry.second->draw(target, area);
}

void NV2DItemBase::setScale(double sx, double sy) {
  invalidate(true);
  scaleX = sx, scaleY = sy;
  updateLocalMatrix();
  invalidate(true);
}

void NV2DItemBase::setRotation(double degrees) {
  invalidate(true);
  rotation = degrees;
  updateLocalMatrix();
  invalidate(true);
}

void NV2DItemBase::setBlendMode(int mode) {
  blendMode = mode;
  invalidate(true);
}

void NV2DItemBase::setFilter(int newFilter) {
  filter = newFilter;
  invalidate(true);
}
