#include "framework/compose/NV2DStage.h"

#include <algorithm>
#include <mutex>

#include "framework/compose/NV2DScene.h"
#include "framework/core/NVEngineLock.h"

namespace {

std::vector<NV2DStage*>& stageList() {
  static auto* list = new std::vector<NV2DStage*>;
  return *list;
}

}  // namespace

NV2DStage::NV2DStage(int newWidth, int newHeight, NVString newTitle) {
  typeName = "NV2DStage";
  stageKind = NVStageKind::Scene2D;
  x = 0, y = 0;
  width = newWidth, height = newHeight;
  setWindowParams(WS_CHILD, 0, NVString("NV_OWNER"), newTitle);
  resetDirty();
  bufferDC_ = CreateCompatibleDC(nullptr);
  backBuffer = new NVImage();
  std::lock_guard lock(engineLock);
  stageList().push_back(this);
}

NV2DStage::~NV2DStage() {
  {
    std::lock_guard lock(engineLock);
    auto& list = stageList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (scene) {
      scene->unbind();
      scene->attached = false;
    }
    scene = nullptr;
    if (windowDC_) ReleaseDC(hwnd, windowDC_);
    windowDC_ = nullptr;
    if (bufferDC_) {
      if (savedBitmap_) SelectObject(bufferDC_, savedBitmap_);
      DeleteDC(bufferDC_);
    }
    bufferDC_ = nullptr;
    delete backBuffer;
    backBuffer = nullptr;
  }
}

NV2DStage* NV2DStage::findStage(NV2DScene* s) {
  if (!s || !s->attached) return nullptr;
  std::lock_guard lock(engineLock);
  for (NV2DStage* stage : stageList())
    if (stage->scene == s) return stage;
  return nullptr;
}

void NV2DStage::forgetScene(NV2DScene* s) {
  std::lock_guard lock(engineLock);
  for (NV2DStage* stage : stageList())
    if (stage->scene == s) stage->scene = nullptr;
}

void NV2DStage::selectBackBuffer() {
  if (!windowDC_ && created) windowDC_ = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(bufferDC_, backBuffer->getBitmap());
  if (!savedBitmap_) savedBitmap_ = previous;
}

void NV2DStage::bindScene(NV2DScene* newScene) {
  if (scene) {
    scene->unbind();
    scene->attached = false;
  }
  if (!newScene) {
    scene = nullptr;
    return;
  }
  if (newScene->attached) return;
  {
    std::lock_guard lock(engineLock);
    scene = newScene;
    scene->attached = true;
    backBuffer->resize(width, height);
    selectBackBuffer();
    scene->bindImage(backBuffer, &dirty);
  }
  invalidate(true);
}

std::vector<NV2DItemBase*> NV2DStage::hitTest(int hx, int hy) {
  if (!scene || !scene->active) return {};
  return scene->hitTest(hx, hy);
}

// Widens, never replaces: the rectangle may already hold an area composed
// for the next present, and a paint that replaced it would drop that area.
bool NV2DStage::addDirtyRect(const NVRect& area) {
  if (!created) return true;
  std::lock_guard lock(engineLock);
  const NVRect added = area;  // area may be the dirty rectangle itself
  dirty = dirty.joined(added);
  if (scene && scene->active) scene->growDirty(added);
  return true;
}

bool NV2DStage::setRect(int newX, int newY, int newWidth, int newHeight) {
  if (scene && scene->active) {
    {
      std::lock_guard lock(engineLock);
      scene->unbind();
      backBuffer->resize(newWidth, newHeight);
      selectBackBuffer();
      scene->bindImage(backBuffer, &dirty);
    }
    invalidate(true);
  }
  NVStageBase::setRect(newX, newY, newWidth, newHeight);
  return true;
}

void NV2DStage::onCreated() {
  if (!scene || !scene->active) return;
  std::lock_guard lock(engineLock);
  backBuffer->resize(width, height);
  selectBackBuffer();
}

void NV2DStage::onDestroying() {
  if (scene && scene->active) scene->unbind();
  if (windowDC_) ReleaseDC(hwnd, windowDC_);
  windowDC_ = nullptr;
}

// Copies and resets in one hold of the lock, so that nothing composed
// between the two is forgotten.
void NV2DStage::invalidateDirty() {
  std::lock_guard lock(engineLock);
  {
    const int left = std::max(dirty.left - 2, 0), top = std::max(dirty.top - 2, 0);
    const int w = std::min(width - left, dirty.right - left + 4), h = std::min(height - top, dirty.bottom - top + 4);
    if (!windowDC_ && created) windowDC_ = GetDC(hwnd);
    if (windowDC_) {
      if (!scene || !scene->active)
        BitBlt(windowDC_, left, top, w, h, nullptr, 0, 0, BLACKNESS);
      else if (w > 0 && h > 0)
        BitBlt(windowDC_, left, top, w, h, bufferDC_, left, top, SRCCOPY);
    }
  }
  resetDirty();
}

void NV2DStage::paint(HDC) { invalidateDirty(); }
