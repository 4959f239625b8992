// Update areas, WM_PAINT and window device contexts.
//  [x] InvalidateRect, ValidateRect, GetUpdateRect with one bounding
//      rectangle per window; WM_PAINT parents before children
//  [x] BeginPaint (WM_ERASEBKGND when an erase is pending), EndPaint,
//      GetDC, ReleaseDC, UpdateWindow
//  [ ] update regions other than rectangles, WM_NCPAINT, RedrawWindow,
//      ValidateRect of a part that leaves a non-rectangular rest
#include <map>

#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"
#include "platform/host/user/WindowDC.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace nvhost {

namespace {

std::map<HDC, WindowDC>& liveDCs() {
  static auto* table = new std::map<HDC, WindowDC>;
  return *table;
}

BackgroundEraser currentEraser = nullptr;

RECT clientArea(WindowRecord& r) {
  RECT c = WindowRegistry::get().clientScreenRect(r);
  return RECT{0, 0, c.right - c.left, c.bottom - c.top};
}

// What is left of `area` after taking `cut` away, when that is a rectangle.
RECT subtractRect(const RECT& area, const RECT& cut) {
  RECT common = intersectRects(area, cut);
  if (rectIsEmpty(common)) return area;
  if (common.left == area.left && common.right == area.right) {
    if (common.top == area.top) return RECT{area.left, common.bottom, area.right, area.bottom};
    if (common.bottom == area.bottom) return RECT{area.left, area.top, area.right, common.top};
  }
  if (common.top == area.top && common.bottom == area.bottom) {
    if (common.left == area.left) return RECT{common.right, area.top, area.right, area.bottom};
    if (common.right == area.right) return RECT{area.left, area.top, common.left, area.bottom};
  }
  // FIXME: a hole or notch needs a real region; the whole area stays invalid.
  return area;
}

}  // namespace

HWND windowNeedingPaintLocked(DWORD threadId, HWND filter) {
  auto& registry = WindowRegistry::get();
  for (HWND h : registry.windowsOfThread(threadId)) {
    WindowRecord* r = registry.find(h);
    if (rectIsEmpty(r->update) || !registry.shownOnScreen(*r)) continue;
    if (filter == nullptr || registry.isAncestor(filter, h)) return h;
  }
  return nullptr;
}

void invalidateLocked(WindowRecord& r, const RECT* rect, bool erase) {
  RECT area = clientArea(r);
  RECT added = rect ? intersectRects(*rect, area) : area;
  if (rectIsEmpty(added)) return;
  r.update = unionRects(r.update, added);
  r.updateErase = r.updateErase || erase;
  wakeOwner(r);
}

void invalidateTreeLocked(HWND window, bool erase) {
  auto& registry = WindowRegistry::get();
  for (HWND h : registry.subtree(window)) {
    WindowRecord* r = registry.find(h);
    if (r->visible()) invalidateLocked(*r, nullptr, erase);
  }
}

HDC acquireWindowDC(HWND window, bool fromPaint) {
  static std::uintptr_t next = 0x20010;
  HostLock lock(hostMutex());
  HDC dc = reinterpret_cast<HDC>(next);
  next += 4;
  liveDCs()[dc] = WindowDC{window, fromPaint};
  return dc;
}

bool releaseWindowDC(HDC dc) {
  HostLock lock(hostMutex());
  return liveDCs().erase(dc) != 0;
}

WindowDC* findWindowDC(HDC dc) {
  auto it = liveDCs().find(dc);
  return it == liveDCs().end() ? nullptr : &it->second;
}

void setBackgroundEraser(BackgroundEraser eraser) {
  HostLock lock(hostMutex());
  currentEraser = eraser;
}

BackgroundEraser backgroundEraser() {
  HostLock lock(hostMutex());
  return currentEraser;
}

}  // namespace nvhost

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  HostLock lock(nvhost::hostMutex());
  auto& registry = WindowRegistry::get();
  if (window == nullptr) {
    for (HWND top : registry.topLevels()) nvhost::invalidateTreeLocked(top, erase);
    return TRUE;
  }
  WindowRecord* r = registry.find(window);
  if (r == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  nvhost::invalidateLocked(*r, rect, erase);
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  r->update = rect ? nvhost::subtractRect(r->update, *rect) : RECT{0, 0, 0, 0};
  if (nvhost::rectIsEmpty(r->update)) {
    r->update = RECT{0, 0, 0, 0};
    r->updateErase = false;
  }
  return TRUE;
}

BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL /*erase*/) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) return FALSE;
  if (rect != nullptr) *rect = r->update;
  return !nvhost::rectIsEmpty(r->update);
}

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  if (paint == nullptr) return nullptr;
  bool erase = false;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    *paint = PAINTSTRUCT{};
    paint->rcPaint = r->update;
    erase = r->updateErase;
    r->update = RECT{0, 0, 0, 0};
    r->updateErase = false;
  }
  paint->hdc = nvhost::acquireWindowDC(window, true);
  paint->fErase = FALSE;
  if (erase) {
    paint->fErase = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND /*window*/, const PAINTSTRUCT* paint) {
  if (paint == nullptr) return FALSE;
  nvhost::releaseWindowDC(paint->hdc);
  return TRUE;
}

HDC GetDC(HWND window) {
  if (window != nullptr && !IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return nvhost::acquireWindowDC(window, false);
}

int ReleaseDC(HWND /*window*/, HDC dc) { return nvhost::releaseWindowDC(dc) ? 1 : 0; }

HWND WindowFromDC(HDC dc) {
  HostLock lock(nvhost::hostMutex());
  nvhost::WindowDC* rec = nvhost::findWindowDC(dc);
  return rec ? rec->window : nullptr;
}

BOOL UpdateWindow(HWND window) {
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    WindowRecord* r = registry.find(window);
    if (r == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    if (nvhost::rectIsEmpty(r->update) || !registry.shownOnScreen(*r)) return TRUE;
  }
  SendMessageA(window, WM_PAINT, 0, 0);
  return TRUE;
}
