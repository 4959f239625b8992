#include "framework/core/NVFrameCycle.h"

#include <mutex>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVPathOps.h"
#include "framework/core/NVStageBase.h"

void initOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    SetCurrentDirectoryA(getModuleDirectory().cStr());
    TIMECAPS caps;
    if (timeGetDevCaps(&caps, sizeof caps) == 0) timeBeginPeriod(caps.wPeriodMin);
  });
}

void flushInvalidations(NVEngine* engine) {
  if (!engine) return;
  std::lock_guard lock(engineLock);
  for (NVStageBase* stage : engine->windows) {
    if (!stage->isDirty()) continue;
    stage->invalidateDirty();
    stage->resetDirty();
  }
}
