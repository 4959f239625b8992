// Keyboard focus, activation, capture and enabled state.
//  [x] one active window and one focus window for the desktop; GetFocus and
//      GetActiveWindow answer only the thread that owns them, as on Windows
//  [x] WM_NCACTIVATE, WM_ACTIVATE (with the minimized flag), WM_KILLFOCUS,
//      WM_SETFOCUS; the default WM_ACTIVATE focuses the window
//  [x] SetFocus activates the window's top-level window first
//  [x] hiding, minimizing, disabling or destroying a window takes focus and
//      capture from it (a hidden or destroyed child gives the focus to its
//      parent); the next shown top-level window becomes active
//  [x] SetCapture and ReleaseCapture from any thread, WM_CAPTURECHANGED
//  [ ] WM_ACTIVATEAPP, WM_MOUSEACTIVATE, attached thread input
#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace {

WPARAM activationParam(WORD how, HWND window) {
  WindowRecord* r = WindowRegistry::get().find(window);
  return MAKEWPARAM(how, (r != nullptr && r->minimized()) ? 1 : 0);
}

bool canActivate(const WindowRecord& r) {
  return !r.isChild() && r.visible() && !r.minimized() && r.enabled() && !r.destroying;
}

HWND nextActiveLocked(HWND leaving) {
  auto& registry = WindowRegistry::get();
  WindowRecord* gone = registry.find(leaving);
  if (gone != nullptr && gone->owner != nullptr) {
    WindowRecord* owner = registry.find(gone->owner);
    if (owner != nullptr && canActivate(*owner)) return owner->handle;
  }
  for (HWND top : registry.topLevels()) {
    WindowRecord* r = registry.find(top);
    if (top != leaving && r != nullptr && canActivate(*r)) return top;
  }
  return nullptr;
}

// After an activation the focus belongs inside the active window: if its
// procedure did not put it there, the window itself takes it.
void focusActiveWindow(HWND window) {
  HWND lost = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    auto& d = registry.desktop();
    if (d.active != window) return;
    if (d.focus != nullptr && registry.topLevelOf(d.focus) == window) return;
    if (window == nullptr && d.focus == nullptr) return;
    WindowRecord* r = registry.find(window);
    if (r != nullptr && r->minimized()) window = nullptr;
    lost = d.focus;
    d.focus = window;
  }
  if (lost != nullptr) {
    nvhost::notifyWindow(lost, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  }
  if (window != nullptr) {
    nvhost::notifyWindow(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(lost), 0);
  }
}

}  // namespace

namespace nvhost {

void activateWindow(HWND window, WORD how) {
  HWND old = nullptr;
  WPARAM oldParam = 0;
  WPARAM newParam = 0;
  {
    HostLock lock(hostMutex());
    auto& registry = WindowRegistry::get();
    DesktopState& d = registry.desktop();
    if (window != nullptr && registry.find(window) == nullptr) return;
    if (d.active == window) return;
    old = d.active;
    d.active = window;
    if (window != nullptr) registry.raise(window);
    oldParam = activationParam(WA_INACTIVE, old);
    newParam = activationParam(how, window);
  }
  if (old != nullptr) {
    notifyWindow(old, WM_NCACTIVATE, FALSE, 0);
    notifyWindow(old, WM_ACTIVATE, oldParam, reinterpret_cast<LPARAM>(window));
  }
  if (window != nullptr) {
    notifyWindow(window, WM_NCACTIVATE, TRUE, 0);
    notifyWindow(window, WM_ACTIVATE, newParam, reinterpret_cast<LPARAM>(old));
  }
  focusActiveWindow(window);
}

void loseInputState(HWND window) {
  HWND lostCapture = nullptr;
  HWND lostFocus = nullptr;
  HWND heir = nullptr;
  HWND nextActive = window;
  {
    HostLock lock(hostMutex());
    auto& registry = WindowRegistry::get();
    DesktopState& d = registry.desktop();
    WindowRecord* r = registry.find(window);
    if (r == nullptr) return;
    if (d.capture != nullptr && registry.isAncestor(window, d.capture)) {
      lostCapture = d.capture;
      d.capture = nullptr;
    }
    if (d.active == window && (!r->visible() || r->minimized() || r->destroying)) {
      // The focus follows the activation to the next window.
      nextActive = nextActiveLocked(window);
    } else if (d.focus != nullptr && registry.isAncestor(window, d.focus) &&
               (!r->visible() || !r->enabled() || r->destroying || r->minimized())) {
      lostFocus = d.focus;
      // A hidden or destroyed child hands the focus to its parent; a
      // disabled window leaves nobody with it.
      WindowRecord* parent = registry.find(r->parent);
      if (r->enabled() && parent != nullptr && !parent->destroying && registry.shownOnScreen(*parent)) {
        heir = parent->handle;
      }
      d.focus = heir;
    }
  }
  if (lostCapture) notifyWindow(lostCapture, WM_CAPTURECHANGED, 0, 0);
  if (lostFocus) {
    notifyWindow(lostFocus, WM_KILLFOCUS, reinterpret_cast<WPARAM>(heir), 0);
    if (heir) notifyWindow(heir, WM_SETFOCUS, reinterpret_cast<WPARAM>(lostFocus), 0);
  }
  if (nextActive != window) activateWindow(nextActive, WA_ACTIVE);
}

}  // namespace nvhost

HWND SetFocus(HWND window) {
  HWND top = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    nvhost::ThreadQueue::current();
    if (window != nullptr) {
      WindowRecord* r = registry.find(window);
      if (r == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
      }
      // FIXME: attached thread input is not modelled; another thread's
      // window cannot take the focus from here.
      if (r->threadId != GetCurrentThreadId()) return nullptr;
      top = registry.topLevelOf(window);
      if (registry.desktop().active == top) top = nullptr;
    }
  }
  if (top != nullptr) nvhost::activateWindow(top, WA_ACTIVE);
  HWND old = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& d = WindowRegistry::get().desktop();
    old = d.focus;
    if (old == window) return old;
    if (window != nullptr && WindowRegistry::get().find(window) == nullptr) return nullptr;
    d.focus = window;
  }
  if (old != nullptr) nvhost::notifyWindow(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (window != nullptr) SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

namespace {

HWND ownedByCaller(HWND window) {
  WindowRecord* r = WindowRegistry::get().find(window);
  return (r != nullptr && r->threadId == GetCurrentThreadId()) ? window : nullptr;
}

}  // namespace

HWND GetFocus() {
  HostLock lock(nvhost::hostMutex());
  return ownedByCaller(WindowRegistry::get().desktop().focus);
}

HWND GetActiveWindow() {
  HostLock lock(nvhost::hostMutex());
  return ownedByCaller(WindowRegistry::get().desktop().active);
}

HWND GetForegroundWindow() {
  HostLock lock(nvhost::hostMutex());
  return WindowRegistry::get().desktop().active;
}

HWND SetActiveWindow(HWND window) {
  HWND old = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    old = ownedByCaller(registry.desktop().active);
    window = registry.topLevelOf(window);
    WindowRecord* r = registry.find(window);
    // Like Windows, a thread activates only its own windows.
    if (r == nullptr || r->threadId != GetCurrentThreadId() || !r->enabled()) return nullptr;
  }
  nvhost::activateWindow(window, WA_ACTIVE);
  return old;
}

BOOL SetForegroundWindow(HWND window) {
  {
    HostLock lock(nvhost::hostMutex());
    window = WindowRegistry::get().topLevelOf(window);
    if (window == nullptr) return FALSE;
  }
  nvhost::activateWindow(window, WA_ACTIVE);
  return TRUE;
}

HWND SetCapture(HWND window) {
  HWND old = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& d = WindowRegistry::get().desktop();
    if (WindowRegistry::get().find(window) == nullptr) return nullptr;
    old = d.capture;
    d.capture = window;
  }
  if (old != nullptr && old != window) {
    nvhost::notifyWindow(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
  }
  return old;
}

BOOL ReleaseCapture() {
  HWND old = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& d = WindowRegistry::get().desktop();
    old = d.capture;
    d.capture = nullptr;
  }
  if (old != nullptr) nvhost::notifyWindow(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  HostLock lock(nvhost::hostMutex());
  return WindowRegistry::get().desktop().capture;
}

BOOL EnableWindow(HWND window, BOOL enable) {
  bool wasDisabled = false;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    wasDisabled = !r->enabled();
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
      r->style &= ~WS_DISABLED;
    } else {
      r->style |= WS_DISABLED;
    }
  }
  if (!enable) nvhost::loseInputState(window);
  SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  return r != nullptr && r->enabled();
}
