#include "framework/window/NVModal.h"

#include "framework/compose/NV2DScene.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/core/NVFrameCycle.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVInput.h"
#include "framework/widgets/NVAnimation.h"

NVModal::~NVModal() {
  if (modalEngine) modalEngine->quit();
}

bool runFrameSteps(NVEngine* engine) {
  if (!sampleInput(engine) || !generateInputEvents(engine) || !dispatchEvents(engine)) return false;
  runAnimations();
  updateScenes();
  flushInvalidations(engine);
  freeDeferred();
  return true;
}

void NVModal::run() {
  open();
  for (;;) {
    NVEngine* engine = modalEngine.get();
    if (!engine || engine->isStopRequested() || engine->isFinished()) break;
    if (!runFrameSteps(engine)) break;
    Sleep(1);
    onModalFrame();
  }
}
