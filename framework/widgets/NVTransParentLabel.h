// Text on a transparent face: the host draws only the text, over whatever
// lies behind it.
#pragma once

#include "framework/widgets/NVWidget.h"

class NVTransParentLabel : public NVWidget {
 public:
  NVTransParentLabel(int x, int y, int width, int height, NVString text);
  ~NVTransParentLabel() override = default;
};
