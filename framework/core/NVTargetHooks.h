// What the engine needs to know about 2D and 3D items and widgets, which
// live in the composition and widget layers above it. Those layers fill these
// hooks when their first object is made; until then no item or widget exists,
// and the engine's dispatch and input steps treat every such question as
// "none".
#pragma once

#include "framework/core/NVHostKind.h"
#include "framework/core/NVString.h"

class NVStageBase;
class NV2DItemBase;
class NV3DItemBase;
class NVWidget;

struct NVTargetHooks {
  // Own enabled flag and that of every parent item.
  bool (*item2DEnabled)(NV2DItemBase*) = nullptr;
  bool (*item2DBubbles)(NV2DItemBase*) = nullptr;
  NV2DItemBase* (*item2DParent)(NV2DItemBase*) = nullptr;
  NVWidget* (*item2DWidget)(NV2DItemBase*) = nullptr;
  bool (*item3DEnabled)(NV3DItemBase*) = nullptr;
  bool (*item3DBubbles)(NV3DItemBase*) = nullptr;
  NV3DItemBase* (*item3DParent)(NV3DItemBase*) = nullptr;
  NVWidget* (*item3DWidget)(NV3DItemBase*) = nullptr;
  // The topmost 2D item of a 2D stage under a client point, or null.
  NV2DItemBase* (*item2DAt)(NVStageBase* stage, double clientX, double clientY) = nullptr;
  // A client point in an item's own coordinates.
  void (*item2DLocal)(NV2DItemBase*, double clientX, double clientY, double& localX, double& localY) = nullptr;
  // The stage that shows an item, for events raised by items.
  NVStageBase* (*item2DStage)(NV2DItemBase*) = nullptr;
  NVStageBase* (*item3DStage)(NV3DItemBase*) = nullptr;
  // A widget's host kind and its host as the engine sees it, null unless it
  // is of that kind.
  NVHostKind (*widgetHostKind)(NVWidget*) = nullptr;
  NVStageBase* (*widgetStage)(NVWidget*) = nullptr;
  NV2DItemBase* (*widgetItem2D)(NVWidget*) = nullptr;
  NV3DItemBase* (*widgetItem3D)(NVWidget*) = nullptr;
  // Replaces a widget's text, as NVWidget::setText does.
  void (*widgetSetText)(NVWidget*, NVString) = nullptr;
};

NVTargetHooks& targetHooks();
