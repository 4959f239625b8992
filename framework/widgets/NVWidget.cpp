#include "framework/widgets/NVWidget.h"

void NVWidget::setText(NVString text) { text_ = text; }
