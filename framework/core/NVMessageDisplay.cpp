#include "framework/core/NVMessageDisplay.h"

#include "framework/core/NVTargetHooks.h"

NVWidget* messageWidget = nullptr;

void setMessageText(NVString text) {
  if (messageWidget == nullptr || !targetHooks().widgetSetText) return;
  targetHooks().widgetSetText(messageWidget, text);
}
