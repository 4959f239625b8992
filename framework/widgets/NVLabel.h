// A text label on an opaque face in the theme's background colour; the
// application's message log is one of these.
#pragma once

#include "framework/widgets/NVTransParentLabel.h"

class NVImage;
class NVVisualDesigner;

class NVLabel : public NVTransParentLabel {
 public:
  explicit NVLabel(NVString text);
  ~NVLabel() override;

  void onAttach() override;

  NVVisualDesigner* designer = nullptr;
  NVImage* backgroundImage = nullptr;
};
