#include "framework/widgets/NVVisualDesigner.h"

#include <mutex>
#include <utility>

#include "framework/core/NVEngineLock.h"

void NVVisualDesigner::setPainter(NVPainter painter, int param) {
  painter_ = std::move(painter);
  param_ = param;
}

void NVVisualDesigner::paint(NVImage* image, int width, int height) {
  // A designer without a painter leaves the image as it is: an exception
  // here would unwind out of the frame loop.
  if (!painter_) return;
  std::lock_guard hold(engineLock);
  painter_(image, width, height, param_);
}
