// Visible areas of windows inside their top-level surfaces.
//  [x] children clipped to every ancestor's client area
//  [x] WS_CLIPCHILDREN takes visible children away
//  [x] WS_CLIPSIBLINGS (of the window or an ancestor) takes visible higher
//      siblings away
//  [ ] clipping a paint context to the update area; window (non-client)
//      contexts
#include "platform/host/gdi/WindowClip.h"

#include "platform/host/user/WindowRegistry.h"

namespace nvhost::gdi {

namespace {

void addIfNotEmpty(std::vector<RECT>& out, const RECT& r) {
  if (r.left < r.right && r.top < r.bottom) out.push_back(r);
}

std::vector<RECT> visibleScreenArea(WindowRegistry& registry, WindowRecord& r) {
  RECT area = registry.clientScreenRect(r);
  for (WindowRecord* w = &r; w != nullptr && w->isChild();) {
    WindowRecord* parent = registry.find(w->parent);
    if (parent == nullptr) break;
    area = intersectRects(area, registry.clientScreenRect(*parent));
    w = parent;
  }
  std::vector<RECT> clips;
  addIfNotEmpty(clips, area);
  if (r.style & WS_CLIPCHILDREN) {
    for (HWND child : r.children) {
      WindowRecord* c = registry.find(child);
      if (c != nullptr && c->visible()) clips = subtractRect(clips, registry.screenRect(*c));
    }
  }
  for (WindowRecord* w = &r; w != nullptr && w->isChild(); w = registry.find(w->parent)) {
    if (!(w->style & WS_CLIPSIBLINGS)) continue;
    for (HWND sibling : registry.siblingsOf(*w)) {
      if (sibling == w->handle) break;  // the rest lie below
      WindowRecord* s = registry.find(sibling);
      if (s != nullptr && s->visible()) clips = subtractRect(clips, registry.screenRect(*s));
    }
  }
  return clips;
}

}  // namespace

std::vector<RECT> subtractRect(const std::vector<RECT>& rects, const RECT& cut) {
  std::vector<RECT> out;
  for (const RECT& r : rects) {
    const RECT common = intersectRects(r, cut);
    if (rectIsEmpty(common)) {
      out.push_back(r);
      continue;
    }
    addIfNotEmpty(out, RECT{r.left, r.top, r.right, common.top});
    addIfNotEmpty(out, RECT{r.left, common.bottom, r.right, r.bottom});
    addIfNotEmpty(out, RECT{r.left, common.top, common.left, common.bottom});
    addIfNotEmpty(out, RECT{common.right, common.top, r.right, common.bottom});
  }
  return out;
}

std::vector<RECT> clipRects(const std::vector<RECT>& rects, const RECT& bounds) {
  std::vector<RECT> out;
  for (const RECT& r : rects) addIfNotEmpty(out, intersectRects(r, bounds));
  return out;
}

bool placeWindow(HWND window, WindowPlacement& placement) {
  HostLock lock(hostMutex());
  WindowRegistry& registry = WindowRegistry::get();
  WindowRecord* r = registry.find(window);
  WindowRecord* top = r ? registry.find(registry.topLevelOf(window)) : nullptr;
  if (r == nullptr || top == nullptr) return false;
  const RECT topRect = registry.screenRect(*top);
  placement.top = top->handle;
  placement.surfaceWidth = topRect.right - topRect.left;
  placement.surfaceHeight = topRect.bottom - topRect.top;
  const POINT origin = registry.clientOrigin(*r);
  placement.originX = origin.x - topRect.left;
  placement.originY = origin.y - topRect.top;
  placement.clips.clear();
  if (!registry.shownOnScreen(*r) || top->minimized()) return true;
  for (RECT c : visibleScreenArea(registry, *r)) {
    c = RECT{c.left - topRect.left, c.top - topRect.top, c.right - topRect.left, c.bottom - topRect.top};
    addIfNotEmpty(placement.clips, intersectRects(c, RECT{0, 0, placement.surfaceWidth, placement.surfaceHeight}));
  }
  return true;
}

bool windowAreaInSurface(HWND window, HWND& top, RECT& area) {
  HostLock lock(hostMutex());
  WindowRegistry& registry = WindowRegistry::get();
  WindowRecord* r = registry.find(window);
  WindowRecord* t = r ? registry.find(registry.topLevelOf(window)) : nullptr;
  if (r == nullptr || t == nullptr) return false;
  const RECT topRect = registry.screenRect(*t);
  const RECT own = registry.screenRect(*r);
  top = t->handle;
  area = RECT{own.left - topRect.left, own.top - topRect.top, own.right - topRect.left, own.bottom - topRect.top};
  return true;
}

}  // namespace nvhost::gdi
