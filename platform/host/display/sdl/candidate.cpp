// The candidate window's place.
//  [x] CFS_POINT and CFS_FORCE_POSITION positions of the focus window
//  [ ] CFS_RECT areas and the composition font's height
#include "platform/host/display/sdl/candidate.h"

#include "platform/host/user/WindowRegistry.h"

namespace nvhost::sdl {

bool candidateSpot(POINT& screen, HWND& topLevel) {
  HWND focus = nullptr;
  {
    HostLock lock(hostMutex());
    WindowRegistry& registry = WindowRegistry::get();
    focus = registry.desktop().focus;
    if (focus == nullptr) return false;
    topLevel = registry.topLevelOf(focus);
  }
  // The input context belongs to the focus window's thread; reading its
  // composition form from here is safe on this host, which keeps it in the
  // window's record under its own lock.
  HIMC context = ImmGetContext(focus);
  COMPOSITIONFORM form{};
  const bool placed = context != nullptr && ImmGetCompositionWindow(context, &form) &&
                      (form.dwStyle & (CFS_POINT | CFS_FORCE_POSITION)) != 0;
  if (context != nullptr) ImmReleaseContext(focus, context);
  if (!placed) return false;
  screen = form.ptCurrentPos;
  return ClientToScreen(focus, &screen) != FALSE && topLevel != nullptr;
}

}  // namespace nvhost::sdl
