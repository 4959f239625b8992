// A text label on an opaque face in the theme's background colour; the
// application's message log is one of these.
#pragma once

#include <memory>

#include "framework/widgets/NVTransParentLabel.h"

class NVImage;
class NVVisualDesigner;

class NVLabel : public NVTransParentLabel {
 public:
  explicit NVLabel(NVString text);
  ~NVLabel() override;

  void onAttach() override;

  std::unique_ptr<NVVisualDesigner> designer;
  std::unique_ptr<NVImage> backgroundImage;
};
