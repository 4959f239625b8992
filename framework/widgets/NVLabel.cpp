#include "framework/widgets/NVLabel.h"

#include "framework/compose/NVImage.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVVisualDesigner.h"

NVLabel::NVLabel(NVString newText) : NVTransParentLabel(0, 0, 300, 300, newText) {
  typeName = "NVLabel";
  backgroundImage = std::make_unique<NVImage>(300, 300);
  designer = std::make_unique<NVVisualDesigner>();
  designer->setPainter(fillBackground, 0);
}

NVLabel::~NVLabel() {
  // The host shows the background image: let it go first.
  setImage(nullptr);
}

void NVLabel::onAttach() {
  designer->paint(backgroundImage.get(), getWidth(), getHeight());
  setImage(backgroundImage.get());
}
