// Holds one painter and runs it: widgets own one designer per face state and
// ask it for a new face whenever their size or state changes.
#pragma once

#include <functional>

#include "framework/compose/NVImage.h"
#include "framework/core/NVGUICoreObject.h"

// The painter signature: image, width, height, parameter.
using NVPainter = std::function<void(NVImage*, int, int, int)>;

class NVVisualDesigner : public virtual NVGUICoreObject {
 public:
  NVVisualDesigner() { typeName = "NVVisualDesigner"; }
  ~NVVisualDesigner() override = default;

  // Replaces the painter and the parameter handed to it on every call.
  void setPainter(NVPainter painter, int param);
  // Runs the painter under the engine lock; without a painter, nothing.
  void paint(NVImage* image, int width, int height);

  int getParam() const { return param_; }
  bool hasPainter() const { return static_cast<bool>(painter_); }

 private:
  NVPainter painter_;
  int param_ = 0;
};
