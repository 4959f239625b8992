// Input from display drivers turned into the messages Windows would send.
//  [x] pointer moves (coalesced), presses and releases of the three buttons,
//      client and non-client messages by hit test, capture, double clicks
//      (CS_DBLCLKS for the client area, always for the non-client area)
//  [x] activation of the top-level window under a press
//  [x] keys to the focus window (WM_SYSKEY* to the active window without one
//      or with Alt), key and toggle state, left/right modifier variants
//  [x] wheel to the focus window, close and restore requests as
//      WM_SYSCOMMAND SC_CLOSE and SC_RESTORE
//  [x] moves and sizes made by the desktop, applied on the window's thread
//  [ ] scan codes, auto-repeat, WM_MOUSEACTIVATE, WM_SETCURSOR, hover/leave
#include <algorithm>
#include <cstdlib>

#include "platform/host/display/Display.h"
#include "platform/host/display/HostInput.h"
#include "platform/host/include/nvhost_winmm.h"
#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace {

constexpr LONG kDoubleClickSlop = 2;

DWORD stamp(DWORD time) { return time != 0 ? time : timeGetTime(); }

void postLocked(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD time, bool withKeys = false) {
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) return;
  auto q = nvhost::ThreadQueue::forThread(r->threadId);
  if (!q || !q->alive) return;
  MSG m{window, message, wParam, lParam, time, WindowRegistry::get().desktop().pointer};
  if (message == WM_MOUSEMOVE) {
    q->postMouseMove(m);
  } else {
    nvhost::PostedMessage posted{m, nullptr, nullptr};
    if (withKeys) {
      auto keys = std::make_shared<nvhost::KeyTable>();
      std::copy(std::begin(WindowRegistry::get().desktop().keys), std::end(WindowRegistry::get().desktop().keys),
                keys->begin());
      posted.keys = keys;
    }
    q->post(posted);
  }
}

WPARAM mouseKeys(const nvhost::DesktopState& d) {
  WPARAM keys = 0;
  if (d.keys[VK_LBUTTON] & 0x80) keys |= MK_LBUTTON;
  if (d.keys[VK_RBUTTON] & 0x80) keys |= MK_RBUTTON;
  if (d.keys[VK_MBUTTON] & 0x80) keys |= MK_MBUTTON;
  if (d.keys[VK_SHIFT] & 0x80) keys |= MK_SHIFT;
  if (d.keys[VK_CONTROL] & 0x80) keys |= MK_CONTROL;
  return keys;
}

struct MouseTarget {
  HWND window = nullptr;
  LRESULT hit = HTNOWHERE;
  LPARAM clientPoint = 0;
  LPARAM screenPoint = 0;
};

MouseTarget mouseTargetLocked() {
  auto& registry = WindowRegistry::get();
  auto& d = registry.desktop();
  MouseTarget t;
  t.screenPoint = MAKELPARAM(d.pointer.x, d.pointer.y);
  t.window = d.capture ? d.capture : registry.windowAt(d.pointer);
  WindowRecord* r = registry.find(t.window);
  if (r == nullptr) return MouseTarget{};
  WindowRecord* top = registry.find(registry.topLevelOf(t.window));
  if (!d.capture && top != nullptr && !top->enabled()) return MouseTarget{};
  t.hit = d.capture ? HTCLIENT : nvhost::hitTestLocked(*r, d.pointer);
  RECT client = registry.clientScreenRect(*r);
  t.clientPoint = MAKELPARAM(d.pointer.x - client.left, d.pointer.y - client.top);
  return t;
}

UINT buttonBase(int button, bool client) {
  switch (button) {
    case VK_RBUTTON: return client ? WM_RBUTTONDOWN : WM_NCRBUTTONDOWN;
    case VK_MBUTTON: return client ? WM_MBUTTONDOWN : WM_NCMBUTTONDOWN;
    default: return client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
  }
}

bool isDoubleClick(nvhost::DesktopState& d, const MouseTarget& t, UINT base, DWORD time) {
  bool dbl = d.lastDownWindow == t.window && d.lastDownMessage == base &&
             time - d.lastDownTime <= GetDoubleClickTime() &&
             std::labs(d.pointer.x - d.lastDownPoint.x) <= kDoubleClickSlop &&
             std::labs(d.pointer.y - d.lastDownPoint.y) <= kDoubleClickSlop;
  WindowRecord* r = WindowRegistry::get().find(t.window);
  bool allowed = t.hit != HTCLIENT || (r != nullptr && (r->cls.style & CS_DBLCLKS));
  if (dbl && allowed) {
    d.lastDownWindow = nullptr;
    return true;
  }
  d.lastDownWindow = t.window;
  d.lastDownMessage = base;
  d.lastDownTime = time;
  d.lastDownPoint = d.pointer;
  return false;
}

// The top-level window that a press should activate, if any.
HWND activationFor(int button) {
  HostLock lock(nvhost::hostMutex());
  auto& registry = WindowRegistry::get();
  auto& d = registry.desktop();
  if (d.capture != nullptr || (button != VK_LBUTTON && button != VK_RBUTTON && button != VK_MBUTTON)) {
    return nullptr;
  }
  MouseTarget t = mouseTargetLocked();
  HWND top = registry.topLevelOf(t.window);
  return (top != nullptr && top != d.active) ? top : nullptr;
}

void setKeyLocked(nvhost::DesktopState& d, BYTE vk, bool down) {
  if (down) {
    if (!(d.keys[vk] & 0x80)) d.keys[vk] ^= 0x01;
    d.keys[vk] |= 0x80;
  } else {
    d.keys[vk] &= static_cast<BYTE>(~0x80);
  }
}

BYTE genericKey(BYTE vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

void key(BYTE vk, bool down, DWORD time) {
  HostLock lock(nvhost::hostMutex());
  auto& d = WindowRegistry::get().desktop();
  BYTE generic = genericKey(vk);
  bool wasDown = (d.keys[generic] & 0x80) != 0;
  setKeyLocked(d, vk, down);
  if (generic != vk) setKeyLocked(d, generic, down);
  bool alt = (d.keys[VK_MENU] & 0x80) != 0;
  bool ctrl = (d.keys[VK_CONTROL] & 0x80) != 0;
  HWND target = d.focus ? d.focus : d.active;
  bool system = d.focus == nullptr || generic == VK_MENU || generic == VK_F1 + 9 || (alt && !ctrl);
  UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lParam = 1 | (wasDown ? (1L << 30) : 0) | (down ? 0 : (1L << 31));
  if (alt) lParam |= 1L << 29;
  if (target != nullptr) postLocked(target, message, generic, lParam, stamp(time), true);
}

}  // namespace

namespace nvhost::input {

void desktopChanged(const RECT& desktop, const RECT& workArea) {
  HostLock lock(hostMutex());
  auto& d = WindowRegistry::get().desktop();
  d.desktop = desktop;
  d.workArea = workArea;
}

void pointerMoved(int x, int y, DWORD time) {
  HCURSOR cursor = nullptr;
  bool cursorChanged = false;
  {
    HostLock lock(hostMutex());
    auto& registry = WindowRegistry::get();
    auto& d = registry.desktop();
    d.pointer = POINT{x, y};
    MouseTarget t = mouseTargetLocked();
    WindowRecord* r = registry.find(t.window);
    if (r == nullptr) return;
    if (r->cursor != nullptr && r->cursor != d.cursor) {
      d.cursor = cursor = r->cursor;
      cursorChanged = true;
    }
    if (t.hit == HTCLIENT) {
      postLocked(t.window, WM_MOUSEMOVE, mouseKeys(d), t.clientPoint, stamp(time));
    } else {
      postLocked(t.window, WM_NCMOUSEMOVE, static_cast<WPARAM>(t.hit), t.screenPoint, stamp(time));
    }
  }
  if (cursorChanged) display().cursorChanged(cursor);
}

void buttonDown(int button, DWORD time) {
  if (HWND top = activationFor(button)) activateWindow(top, WA_CLICKACTIVE);
  HostLock lock(hostMutex());
  auto& d = WindowRegistry::get().desktop();
  setKeyLocked(d, static_cast<BYTE>(button), true);
  MouseTarget t = mouseTargetLocked();
  if (t.window == nullptr) return;
  bool client = t.hit == HTCLIENT;
  UINT base = buttonBase(button, client);
  UINT message = isDoubleClick(d, t, base, stamp(time)) ? base + 2 : base;
  postLocked(t.window, message, client ? mouseKeys(d) : static_cast<WPARAM>(t.hit),
             client ? t.clientPoint : t.screenPoint, stamp(time));
}

void buttonUp(int button, DWORD time) {
  HostLock lock(hostMutex());
  auto& d = WindowRegistry::get().desktop();
  setKeyLocked(d, static_cast<BYTE>(button), false);
  MouseTarget t = mouseTargetLocked();
  if (t.window == nullptr) return;
  bool client = t.hit == HTCLIENT;
  postLocked(t.window, buttonBase(button, client) + 1, client ? mouseKeys(d) : static_cast<WPARAM>(t.hit),
             client ? t.clientPoint : t.screenPoint, stamp(time));
}

void wheel(int delta, DWORD time) {
  HostLock lock(hostMutex());
  auto& d = WindowRegistry::get().desktop();
  HWND target = d.focus ? d.focus : d.active;
  if (target == nullptr) return;
  WPARAM wParam = MAKEWPARAM(mouseKeys(d), static_cast<WORD>(static_cast<SHORT>(delta)));
  postLocked(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(d.pointer.x, d.pointer.y), stamp(time));
}

void keyDown(BYTE virtualKey, DWORD time) { key(virtualKey, true, time); }

void keyUp(BYTE virtualKey, DWORD time) { key(virtualKey, false, time); }

void imeCommit(const std::string& cp932) {
  HostLock lock(hostMutex());
  auto& d = WindowRegistry::get().desktop();
  HWND target = d.focus ? d.focus : d.active;
  WindowRecord* r = WindowRegistry::get().find(target);
  if (r == nullptr || cp932.empty()) return;
  auto q = ThreadQueue::forThread(r->threadId);
  if (!q || !q->alive) return;
  MSG m{target, WM_IME_COMPOSITION, 0, GCS_RESULTSTR, timeGetTime(), d.pointer};
  q->post(PostedMessage{m, std::make_shared<const std::string>(cp932), nullptr});
}

static void systemCommand(HWND window, WPARAM command) {
  HostLock lock(hostMutex());
  auto& registry = WindowRegistry::get();
  HWND top = registry.topLevelOf(window);
  const POINT& p = registry.desktop().pointer;
  if (top != nullptr) postLocked(top, WM_SYSCOMMAND, command, MAKELPARAM(p.x, p.y), timeGetTime());
}

void closeRequested(HWND window) { systemCommand(window, SC_CLOSE); }

void restoreRequested(HWND window) { systemCommand(window, SC_RESTORE); }

void windowPlaced(HWND window, const RECT& screen) {
  HWND top = nullptr;
  {
    HostLock lock(hostMutex());
    top = WindowRegistry::get().topLevelOf(window);
    if (WindowRegistry::get().find(top) == nullptr) return;
  }
  // On the window's own thread, as the desktop's moves reach a Windows
  // program: the position messages go to its procedure there.
  runOnWindowThread(top, [top, screen] {
    if (!IsWindow(top) || IsIconic(top)) return;
    setWindowPos(top, nullptr, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  });
}

void activationRequested(HWND window) {
  HWND top = nullptr;
  {
    HostLock lock(hostMutex());
    auto& registry = WindowRegistry::get();
    top = registry.topLevelOf(window);
    WindowRecord* r = registry.find(top);
    if (r == nullptr || !r->visible() || !r->enabled()) return;
  }
  activateWindow(top, WA_ACTIVE);
}

}  // namespace nvhost::input
