// Tells the engine how to treat 2D and 3D items when it dispatches events and
// samples input: their enabled chain, bubbling, owner widget and stage, and
// which item of a 2D stage lies under the pointer.
#include <mutex>

#include "framework/compose/NV2DItemBase.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NV3DItemBase.h"
#include "framework/core/NVTargetHooks.h"

namespace {

NV2DItemBase* itemAt(NVStageBase* stage, double clientX, double clientY) {
  if (!stage || stage->stageKind != NVStageKind::Scene2D) return nullptr;
  const auto hits = static_cast<NV2DStage*>(stage)->hitTest(static_cast<int>(clientX), static_cast<int>(clientY));
  return hits.empty() ? nullptr : hits.front();
}

}  // namespace

void installItemHooks() {
  static std::once_flag once;
  std::call_once(once, [] {
    NVTargetHooks& hooks = targetHooks();
    hooks.item2DEnabled = [](NV2DItemBase* item) { return item->isActive(); };
    hooks.item2DBubbles = [](NV2DItemBase* item) { return item->bubbleEvents; };
    hooks.item2DParent = [](NV2DItemBase* item) { return item->parent; };
    hooks.item2DWidget = [](NV2DItemBase* item) { return item->ownerWidget; };
    hooks.item2DAt = itemAt;
    hooks.item2DLocal = [](NV2DItemBase* item, double cx, double cy, double& lx, double& ly) {
      item->stageToLocal(cx, cy, lx, ly);
    };
    hooks.item2DStage = [](NV2DItemBase* item) { return item->getStage(); };
  });
}

void installItem3DHooks() {
  static std::once_flag once;
  std::call_once(once, [] {
    NVTargetHooks& hooks = targetHooks();
    hooks.item3DEnabled = [](NV3DItemBase* item) { return item->isActive(); };
    hooks.item3DBubbles = [](NV3DItemBase* item) { return item->bubbleEvents; };
    hooks.item3DParent = [](NV3DItemBase* item) { return item->parent; };
    hooks.item3DWidget = [](NV3DItemBase* item) { return item->ownerWidget; };
    hooks.item3DStage = [](NV3DItemBase* item) { return item->getStage(); };
  });
}
