#include "framework/core/NVEventDispatch.h"

#include <mutex>
#include <vector>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVFrameCycle.h"
#include "framework/core/NVTargetHooks.h"
#include "framework/core/NVStageBase.h"

namespace {

void collectStage(NVStageBase* stage, std::vector<NVEventConnector*>& out) {
  for (NVStageBase* s = stage; s; s = s->passToParent ? s->parent : nullptr) {
    const auto found = NVEventConnector::connectorsOf(s);
    out.insert(out.end(), found.begin(), found.end());
  }
}

void collectItem2D(NV2DItemBase* item, std::vector<NVEventConnector*>& out) {
  const NVTargetHooks& hooks = targetHooks();
  for (NV2DItemBase* i = item; i;) {
    const auto found = NVEventConnector::connectorsOf(i);
    out.insert(out.end(), found.begin(), found.end());
    const bool bubbles = hooks.item2DBubbles && hooks.item2DBubbles(i);
    i = bubbles && hooks.item2DParent ? hooks.item2DParent(i) : nullptr;
  }
}

void collectItem3D(NV3DItemBase* item, std::vector<NVEventConnector*>& out) {
  const NVTargetHooks& hooks = targetHooks();
  for (NV3DItemBase* i = item; i;) {
    const auto found = NVEventConnector::connectorsOf(i);
    out.insert(out.end(), found.begin(), found.end());
    const bool bubbles = hooks.item3DBubbles && hooks.item3DBubbles(i);
    i = bubbles && hooks.item3DParent ? hooks.item3DParent(i) : nullptr;
  }
}

// The connectors that hear a record, or none when its target is disabled.
std::vector<NVEventConnector*> listeners(const NVEventState& event) {
  const NVTargetHooks& hooks = targetHooks();
  std::vector<NVEventConnector*> found;
  if (event.item2D) {
    if (!hooks.item2DEnabled || hooks.item2DEnabled(event.item2D)) collectItem2D(event.item2D, found);
  } else if (event.item3D) {
    if (!hooks.item3DEnabled || hooks.item3DEnabled(event.item3D)) collectItem3D(event.item3D, found);
  } else if (event.stage) {
    if (event.stage->isEnabled()) collectStage(event.stage, found);
  }
  return found;
}

NVEngine* engineOfItem(NV2DItemBase* item, NVStageBase*& stage) {
  stage = targetHooks().item2DStage ? targetHooks().item2DStage(item) : nullptr;
  return stage ? stage->engine : nullptr;
}

// Handlers of a drop read the engine's list as well as the event's: it is
// set to this drop's paths just before they run.
void showDroppedFiles(NVEngine* engine, const NVEventState& event) {
  if (event.kind != NV_EV_DROPFILES || !event.files) return;
  std::lock_guard lock(engineLock);
  engine->systemState.droppedFiles = *event.files;
}

}  // namespace

bool dispatchEvents(NVEngine* engine) {
  NVEventState event;
  while (engine->popEvent(event)) {
    showDroppedFiles(engine, event);
    for (NVEventConnector* connector : listeners(event)) {
      if (!NVEventConnector::isLive(connector) || !connector->hasHandlers(event.kind)) continue;
      connector->deliver(event);
      flushInvalidations(engine);
    }
  }
  return true;
}

void raiseWidgetEvent(NVWidget* widget, NVEventKind kind) {
  const NVTargetHooks& hooks = targetHooks();
  const NVHostKind hostKind = widget && hooks.widgetHostKind ? hooks.widgetHostKind(widget) : NVHostKind::None;
  if (hostKind == NVHostKind::None) return;
  NVEventState event;
  event.kind = kind;
  event.widget = widget;
  NVEngine* engine = nullptr;
  if (hostKind == NVHostKind::StageItem) {
    event.stage = hooks.widgetStage(widget);
    engine = event.stage ? event.stage->engine : nullptr;
  } else if (hostKind == NVHostKind::Item2D) {
    event.item2D = hooks.widgetItem2D(widget);
    engine = event.item2D ? engineOfItem(event.item2D, event.stage) : nullptr;
  } else if (hostKind == NVHostKind::Item3D) {
    event.item3D = hooks.widgetItem3D(widget);
    event.stage = event.item3D && hooks.item3DStage ? hooks.item3DStage(event.item3D) : nullptr;
    engine = event.stage ? event.stage->engine : nullptr;
  }
  if (engine) engine->pushEvent(event);
}

void raiseItemEvent(NV2DItemBase* item, NVEventKind kind) {
  if (!item) return;
  NVEventState event;
  event.kind = kind;
  event.item2D = item;
  if (NVEngine* engine = engineOfItem(item, event.stage)) engine->pushEvent(event);
}

void raiseCloseRequest(NVStageBase* stage) {
  if (!stage || !stage->engine) return;
  NVEventState event;
  event.kind = NV_EV_CLOSE;
  event.stage = stage;
  stage->engine->pushEvent(event);
}
