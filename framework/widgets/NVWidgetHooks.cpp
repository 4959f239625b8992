// Tells the engine what it needs of a widget when it raises the widget's
// events, registers its handlers or shows the application's status text:
// its host and a way to set its text.
#include <mutex>

#include "framework/compose/NV2DItemBase.h"
#include "framework/compose/NV3DItemBase.h"
#include "framework/compose/NVStageItem.h"
#include "framework/core/NVTargetHooks.h"
#include "framework/widgets/NVWidget.h"

void installWidgetHooks() {
  static std::once_flag once;
  std::call_once(once, [] {
    NVTargetHooks& hooks = targetHooks();
    hooks.widgetHostKind = [](NVWidget* widget) { return widget->hostKind; };
    hooks.widgetStage = [](NVWidget* widget) { return widget->hostStage(); };
    hooks.widgetItem2D = [](NVWidget* widget) { return widget->hostItem2D(); };
    hooks.widgetItem3D = [](NVWidget* widget) { return widget->hostItem3D(); };
    hooks.widgetSetText = [](NVWidget* widget, NVString text) { widget->setText(text); };
  });
}
