// Resolving a device context to pixels for one drawing call.
//  [x] memory contexts: the selected bitmap, whole
//  [x] window contexts: the top-level surface at the window's offset,
//      clipped to its visible area; changes presented to the display once
//      the surface lock is let go
//  [ ] the screen context (GetDC of no window) draws nothing
#include "platform/host/gdi/DrawTarget.h"

#include "platform/host/display/Display.h"
#include "platform/host/gdi/Surfaces.h"
#include "platform/host/gdi/WindowClip.h"
#include "platform/host/user/WindowRegistry.h"

namespace nvhost::gdi {

namespace {

void bindMemory(DrawTarget& t) {
  if (!t.state.pixels) return;
  t.bound = t.state.pixels;
  t.words = t.state.pixels->words.get();
  t.width = t.state.pixels->width;
  t.height = t.state.pixels->height;
}

void bindSurface(DrawTarget& t) {
  // A hidden window gets no surface made for it, but keeps the one it has.
  t.bound = t.clips.empty() ? findSurfaceLocked(t.top) : surfaceLocked(t.top, t.surfaceWidth, t.surfaceHeight);
  if (!t.bound) return;
  t.words = t.bound->words.get();
  t.width = t.bound->width;
  t.height = t.bound->height;
  t.clips = clipRects(t.clips, RECT{0, 0, t.width, t.height});
}

void present(const DrawTarget& t) {
  if (t.top != nullptr && !rectIsEmpty(t.changed)) display().present(t.top, t.changed);
}

}  // namespace

void DrawTarget::markChanged(const RECT& area) { changed = unionRects(changed, area); }

bool resolveTarget(HDC dc, DrawTarget& target) {
  target = DrawTarget{};
  if (!dcState(dc, target.state)) return false;
  if (target.state.memory) {
    if (target.state.pixels) {
      target.clips.push_back(RECT{0, 0, target.state.pixels->width, target.state.pixels->height});
    }
    return true;
  }
  HWND window = nullptr;
  if (!windowOfDC(dc, window)) return false;
  if (window == nullptr) return true;  // FIXME: the screen has no surface.
  WindowPlacement placement;
  if (!placeWindow(window, placement)) return true;
  target.top = placement.top;
  target.surfaceWidth = placement.surfaceWidth;
  target.surfaceHeight = placement.surfaceHeight;
  target.originX = placement.originX;
  target.originY = placement.originY;
  target.clips = std::move(placement.clips);
  return true;
}

TargetAccess::TargetAccess(DrawTarget& first, DrawTarget* second) : first_(first), second_(second) {
  const bool windows = first.top != nullptr || (second != nullptr && second->top != nullptr);
  if (windows) sweepStaleSurfaces();
  if (windows) lock_ = std::unique_lock<nvrt::RankedMutex>(surfaceMutex());
  for (DrawTarget* t : {&first, second}) {
    if (t == nullptr) continue;
    if (t->top != nullptr) {
      bindSurface(*t);
    } else {
      bindMemory(*t);
    }
  }
}

TargetAccess::~TargetAccess() {
  if (lock_.owns_lock()) lock_.unlock();
  present(first_);
  if (second_ != nullptr) present(*second_);
}

}  // namespace nvhost::gdi
