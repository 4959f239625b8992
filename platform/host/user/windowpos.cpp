// Position, size, z-order and visibility of windows.
//  [x] SetWindowPos and MoveWindow: WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED
//      (whose default processing sends WM_MOVE and WM_SIZE), activation of
//      top-level windows unless SWP_NOACTIVATE, z-order
//  [x] ShowWindow: hide, show, maximize to the work area, minimize, restore;
//      WM_SHOWWINDOW; activation for the commands that activate
//  [x] CS_HREDRAW/CS_VREDRAW and newly shown windows are invalidated
//  [ ] WS_EX_TOPMOST bands, minimized icons, exposed-area-only repainting
#include <algorithm>

#include "platform/host/display/Display.h"
#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace {

constexpr LONG kMinimizedPos = -32000;
constexpr LONG kMinimizedWidth = 160;
constexpr LONG kMinimizedHeight = 28;

LONG width(const RECT& r) { return r.right - r.left; }
LONG height(const RECT& r) { return r.bottom - r.top; }

void placeInZOrder(WindowRecord& r, HWND after) {
  auto& registry = WindowRegistry::get();
  auto& siblings = registry.siblingsOf(r);
  if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    registry.raise(r.handle);
    return;
  }
  std::erase(siblings, r.handle);
  auto it = std::find(siblings.begin(), siblings.end(), after);
  if (after == HWND_BOTTOM || it == siblings.end()) {
    siblings.push_back(r.handle);
  } else {
    siblings.insert(it + 1, r.handle);
  }
}

struct Change {
  bool shown = false;
  bool hidden = false;
  bool moved = false;
  bool sized = false;
  bool topLevel = false;
  RECT screen{};
};

// Applies a position change to the record; the caller holds the lock.
Change apply(WindowRecord& r, WINDOWPOS& wp) {
  auto& registry = WindowRegistry::get();
  Change c;
  RECT oldRect = r.rect;
  RECT oldClient = registry.clientScreenRect(r);
  bool wasVisible = r.visible();
  if (!(wp.flags & SWP_NOMOVE)) r.rect = RECT{wp.x, wp.y, wp.x + width(r.rect), wp.y + height(r.rect)};
  if (!(wp.flags & SWP_NOSIZE)) {
    r.rect.right = r.rect.left + std::max(wp.cx, 0);
    r.rect.bottom = r.rect.top + std::max(wp.cy, 0);
  }
  if (!(wp.flags & SWP_NOZORDER)) placeInZOrder(r, wp.hwndInsertAfter);
  if (wp.flags & SWP_SHOWWINDOW) r.style |= WS_VISIBLE;
  if (wp.flags & SWP_HIDEWINDOW) r.style &= ~WS_VISIBLE;
  RECT newClient = registry.clientScreenRect(r);
  c.moved = oldRect.left != r.rect.left || oldRect.top != r.rect.top;
  c.sized = width(oldClient) != width(newClient) || height(oldClient) != height(newClient);
  if (!c.moved && !(wp.flags & nvhost::kStateChanged)) wp.flags |= SWP_NOCLIENTMOVE;
  if (!c.sized && !(wp.flags & nvhost::kStateChanged)) wp.flags |= SWP_NOCLIENTSIZE;
  c.shown = !wasVisible && r.visible();
  c.hidden = wasVisible && !r.visible();
  c.topLevel = !r.isChild();
  c.screen = registry.screenRect(r);
  bool redraw = !(wp.flags & SWP_NOREDRAW);
  if (c.shown) nvhost::invalidateTreeLocked(r.handle, true);
  if (redraw && (c.sized || (c.moved && !c.topLevel)) && r.visible()) {
    nvhost::invalidateTreeLocked(r.handle, true);
  }
  WindowRecord* parent = registry.find(r.parent);
  if (parent != nullptr && redraw && (c.hidden || ((c.moved || c.sized) && wasVisible))) {
    nvhost::invalidateLocked(*parent, &oldRect, true);
  }
  return c;
}

void tellDisplay(HWND window, const Change& c, bool visible) {
  if (!c.topLevel) return;
  if (c.shown) {
    nvhost::display().windowShown(window, c.screen);
  } else if (c.hidden) {
    nvhost::display().windowHidden(window);
  } else if ((c.moved || c.sized) && visible) {
    nvhost::display().windowMoved(window, c.screen);
  }
}

}  // namespace

namespace nvhost {

BOOL setWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WINDOWPOS wp{window, insertAfter, x, y, cx, cy, flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE)};
  bool activate = false;
  {
    HostLock lock(hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    activate = !(flags & SWP_NOACTIVATE) && !r->isChild() && !(flags & SWP_HIDEWINDOW) &&
               (r->visible() || (flags & SWP_SHOWWINDOW)) && r->enabled();
  }
  if (!(wp.flags & SWP_NOSENDCHANGING)) {
    SendMessageA(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
  }
  Change c;
  bool visible = false;
  {
    HostLock lock(hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return FALSE;
    c = apply(*r, wp);
    visible = r->visible();
  }
  tellDisplay(window, c, visible);
  if (activate) activateWindow(window, WA_ACTIVE);
  if (c.hidden) loseInputState(window);
  wp.flags &= ~kStateChanged;
  SendMessageA(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  return TRUE;
}

}  // namespace nvhost

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  return nvhost::setWindowPos(window, insertAfter, x, y, width, height, flags);
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
  return nvhost::setWindowPos(window, HWND_TOP, x, y, width, height, flags);
}

namespace {

enum class Placement { Keep, Normal, Maximized, Minimized };

Placement placementFor(int command) {
  switch (command) {
    case SW_SHOWMAXIMIZED: return Placement::Maximized;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: return Placement::Minimized;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT: return Placement::Normal;
    default: return Placement::Keep;
  }
}

bool activates(int command) {
  return command == SW_SHOWNORMAL || command == SW_SHOW || command == SW_SHOWMAXIMIZED || command == SW_SHOWMINIMIZED ||
         command == SW_RESTORE || command == SW_SHOWDEFAULT;
}

// Changes the state bits and returns the new rectangle; false if nothing
// changes. The caller holds the lock.
bool changePlacement(WindowRecord& r, Placement p, RECT& rect) {
  bool normal = !r.maximized() && !r.minimized();
  if (p == Placement::Keep || (p == Placement::Normal && normal) || (p == Placement::Maximized && r.maximized()) ||
      (p == Placement::Minimized && r.minimized())) {
    return false;
  }
  if (normal) r.restoreRect = r.rect;
  r.style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
  auto& registry = WindowRegistry::get();
  if (p == Placement::Maximized) {
    r.style |= WS_MAXIMIZE;
    WindowRecord* parent = registry.find(r.parent);
    RECT client = parent ? registry.clientScreenRect(*parent) : RECT{};
    rect = parent ? RECT{0, 0, client.right - client.left, client.bottom - client.top} : registry.desktop().workArea;
  } else if (p == Placement::Minimized) {
    r.style |= WS_MINIMIZE;
    rect = RECT{kMinimizedPos, kMinimizedPos, kMinimizedPos + kMinimizedWidth, kMinimizedPos + kMinimizedHeight};
  } else {
    rect = r.restoreRect;
  }
  return true;
}

}  // namespace

BOOL ShowWindow(HWND window, int command) {
  bool wasVisible = false;
  bool child = false;
  bool changed = false;
  RECT rect{};
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    wasVisible = r->visible();
    child = r->isChild();
    if (command != SW_HIDE) changed = changePlacement(*r, placementFor(command), rect);
  }
  if (command == SW_HIDE) {
    if (!wasVisible) return FALSE;
    SendMessageA(window, WM_SHOWWINDOW, FALSE, 0);
    nvhost::setWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
  }
  // Showing a shown window in the same placement changes nothing.
  if (wasVisible && !changed) return TRUE;
  if (!wasVisible) SendMessageA(window, WM_SHOWWINDOW, TRUE, 0);
  UINT flags = SWP_SHOWWINDOW | (changed ? nvhost::kStateChanged : SWP_NOMOVE | SWP_NOSIZE);
  bool activate = activates(command) && !child && (changed || !wasVisible);
  if (!activate) flags |= SWP_NOACTIVATE;
  if (child) flags |= SWP_NOZORDER;
  nvhost::setWindowPos(window, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, flags);
  if (command == SW_MINIMIZE && GetActiveWindow() == window) nvhost::loseInputState(window);
  return wasVisible;
}
