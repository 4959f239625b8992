#include "framework/compose/NV2DScene.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "framework/compose/NV2DItemBase.h"
#include "framework/compose/NV2DStage.h"
#include "framework/core/NVEngineLock.h"

namespace {

std::vector<NV2DScene*>& sceneList() {
  static auto* list = new std::vector<NV2DScene*>;
  return *list;
}

constexpr int kRowsWidth = 1024, kRowsHeight = 16;

}  // namespace

NV2DScene::NV2DScene() {
  typeName = "NV2DScene";
  backgroundRows = new NVImage(kRowsWidth, kRowsHeight);
  backgroundRows->fill(0, 0, 0, 0);
  std::lock_guard lock(engineLock);
  sceneList().push_back(this);
}

NV2DScene::~NV2DScene() {
  std::lock_guard lock(engineLock);
  // A stage that still shows this scene must not reach it once it is gone.
  NV2DStage::forgetScene(this);
  auto& list = sceneList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  attached = active = false;
  for (auto& entry : roots) entry.second->scene = nullptr;
  roots.clear();
  targetImage = nullptr;
  targetTexture = nullptr;
  targetLayout = NVPixelLayout::None;
  targetPixels = nullptr;
  targetWidth = targetHeight = targetStride = 0;
  stageDirtyRect = nullptr;
  delete backgroundRows;
  backgroundRows = nullptr;
}

std::vector<NV2DScene*> NV2DScene::allScenes() {
  std::lock_guard lock(engineLock);
  return sceneList();
}

bool NV2DScene::addRoot(NV2DItemBase* item) {
  if (!item || item->getScene()) return false;
  roots.emplace(item->depth, item);
  item->scene = this;
  item->visible = true;
  item->invalidate(true);
  return true;
}

bool NV2DScene::removeRoot(NV2DItemBase* item) {
  if (!item) return false;
  auto range = roots.equal_range(item->depth);
  for (auto it = range.first; it != range.second; ++it) {
    if (it->second == item) {
      roots.erase(it);
      break;
    }
  }
  item->scene = nullptr;
  return true;
}

namespace {

void lowerTo(std::atomic<int>& bound, int value) {
  int current = bound.load();
  while (value < current && !bound.compare_exchange_weak(current, value)) {
  }
}

void raiseTo(std::atomic<int>& bound, int value) {
  int current = bound.load();
  while (value > current && !bound.compare_exchange_weak(current, value)) {
  }
}

}  // namespace

void NV2DScene::growDirty(const NVRect& area) {
  lowerTo(dirtyLeft, area.left);
  lowerTo(dirtyTop, area.top);
  raiseTo(dirtyRight, area.right);
  raiseTo(dirtyBottom, area.bottom);
}

void NV2DScene::setBackgroundColor(int r, int g, int b, int a) {
  if (!backgroundRows) return;
  backgroundRed = r, backgroundGreen = g, backgroundBlue = b, backgroundAlpha = a;
  // The rows are kept in the target's byte order, so clearing is a copy.
  if (targetLayout == NVPixelLayout::Rgba)
    backgroundRows->fill(b, g, r, a);
  else
    backgroundRows->fill(r, g, b, a);
  growDirty({0, 0, targetWidth, targetHeight});
}

void NV2DScene::bindImage(NVImage* image, NVRect* dirtyRect) {
  active = false;
  {
    std::lock_guard lock(engineLock);
    targetImage = image;
    targetTexture = nullptr;
    targetLayout = NVPixelLayout::Bgra;
    targetPixels = image->getPixels();
    targetWidth = image->getWidth();
    targetHeight = image->getHeight();
    targetStride = image->getWidth();
    stageDirtyRect = dirtyRect;
    setBackgroundColor(backgroundRed, backgroundGreen, backgroundBlue, backgroundAlpha);
    active = true;
  }
  growDirty({0, 0, targetWidth, targetHeight});
}

void NV2DScene::unbind() {
  active = false;
  std::lock_guard lock(engineLock);
  targetLayout = NVPixelLayout::None;
  targetPixels = nullptr;
  targetWidth = targetHeight = targetStride = 0;
}

void NV2DScene::clearRect(const NVRect& area) {
  if (!active) return;
  const int x0 = std::max(area.left, 0), y0 = std::max(area.top, 0);
  const int w = std::min(targetWidth - x0, area.right - x0), h = std::min(targetHeight - y0, area.bottom - y0);
  if (w <= 0 || h <= 0) return;
  // The rows hold 16384 pixels of one colour; wider targets are cleared in
  // several copies rather than read past them.
  const int rowsPixels = kRowsWidth * kRowsHeight;
  const std::uint32_t* rows = backgroundRows->getPixels();
  const NVPixelTarget bound = target();
  for (int yy = y0; yy < y0 + h; ++yy) {
    std::uint32_t* dst = bound.row(yy) + x0;
    for (int done = 0; done < w; done += rowsPixels)
      std::memcpy(dst + done, rows, static_cast<size_t>(std::min(rowsPixels, w - done)) * 4);
  }
}

void NV2DScene::compose() {
  if (!active || targetLayout == NVPixelLayout::None || roots.empty()) return;
  std::lock_guard lock(engineLock);
  if (targetPixels) {
    const NVRect area = dirtyRect().grown(2).intersected({0, 0, targetWidth, targetHeight});
    if (stageDirtyRect) *stageDirtyRect = stageDirtyRect->joined(area);
    if (!area.isEmpty()) {
      clearRect(area);
      for (auto& entry : roots) entry.second->draw(target(), area);
      // FIXME: texture targets (no operation of the framework binds one yet)
      // would be told about the change here.
    }
  }
  setEmptyDirty();
}

std::vector<NV2DItemBase*> NV2DScene::hitTest(int hx, int hy) {
  std::vector<NV2DItemBase*> results;
  for (auto it = roots.rbegin(); it != roots.rend() && results.empty(); ++it) it->second->hitTest(hx, hy, results, 1);
  return results;
}

void updateScenes() {
  for (NV2DScene* scene : NV2DScene::allScenes()) scene->compose();
}
