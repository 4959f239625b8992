#include "toolkit/dv_DrawHooks.h"

dv_DrawHooks& dv_DrawHooks::instance() {
  static dv_DrawHooks hooks;
  return hooks;
}
