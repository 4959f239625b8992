#include "framework/core/NVMessageDisplay.h"

#include "framework/widgets/NVWidget.h"

NVWidget* messageWidget = nullptr;

void setMessageText(NVString text) {
  if (messageWidget == nullptr) return;
  messageWidget->setText(text);
}
