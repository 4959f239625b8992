#include "framework/core/NVTargetHooks.h"

NVTargetHooks& targetHooks() {
  static NVTargetHooks hooks;
  return hooks;
}
