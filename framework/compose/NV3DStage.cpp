#include "framework/compose/NV3DStage.h"

#include "framework/compose/NV3DItemBase.h"
#include "framework/core/NVStageBase.h"
#include "toolkit/dv_ModelSet.h"

NV3DStage::NV3DStage(NVStageBase* newStage, dv_ModelSet* newModels) : stage(newStage), models(newModels) {}

NV3DStage::~NV3DStage() {
  while (!roots.empty()) removeItem(roots.begin()->second);
}

int NV3DStage::getWidth() const { return stage ? stage->width.load() : 300; }
int NV3DStage::getHeight() const { return stage ? stage->height.load() : 300; }

void NV3DStage::addItem(NV3DItemBase* item, bool visible) {
  if (!item || item->stage3D) return;
  if (models) models->addModel(item);
  item->stage3D = this;
  roots.emplace(item->depth, item);
  if (visible) item->setVisible(true);
  item->layout();
}

void NV3DStage::removeItem(NV3DItemBase* item) {
  if (!item || item->stage3D != this) return;
  if (models) models->removeModel(item);
  for (auto it = roots.begin(); it != roots.end(); ++it) {
    if (it->second == item) {
      roots.erase(it);
      break;
    }
  }
  item->stage3D = nullptr;
}

std::vector<NV3DItemBase*> NV3DStage::hitTest(int x, int y, int maxCount) {
  std::vector<NV3DItemBase*> results;
  for (auto it = roots.rbegin(); it != roots.rend() && static_cast<int>(results.size()) < maxCount; ++it) {
    if (!it->second->parent) it->second->hitTest(x, y, results, maxCount);
  }
  return results;
}
