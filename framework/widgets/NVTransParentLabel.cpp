#include "framework/widgets/NVTransParentLabel.h"

NVTransParentLabel::NVTransParentLabel(int newX, int newY, int newWidth, int newHeight, NVString newText)
    : NVWidget(newX, newY, newWidth, newHeight) {
  typeName = "NVTransParentLabel";
  setText(newText);
}
