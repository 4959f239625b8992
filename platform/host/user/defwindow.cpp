// Default message processing and window attributes.
//  [x] DefWindowProcA: WM_NCCREATE, WM_CLOSE destroys, WM_SYSCOMMAND
//      (close, minimize, maximize, restore), WM_PAINT validates,
//      WM_ERASEBKGND with the class brush, WM_WINDOWPOSCHANGED sends WM_MOVE
//      and WM_SIZE, WM_ACTIVATE focuses, WM_MOUSEWHEEL goes to the parent,
//      WM_NCHITTEST, WM_SETTEXT/WM_GETTEXT
//  [x] GetWindowLongA/SetWindowLongA (style, extended style, procedure,
//      user data, id), SetWindowTextA, GetWindowTextA
//  [ ] modal move and size loops for caption and frame presses, system menu
#include <algorithm>
#include <cstring>

#include "platform/host/display/Display.h"
#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"
#include "platform/host/user/WindowDC.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace nvhost {

LRESULT hitTestLocked(WindowRecord& r, POINT p) {
  auto& registry = WindowRegistry::get();
  RECT outer = registry.screenRect(r);
  if (!pointInRect(outer, p)) return HTNOWHERE;
  if (pointInRect(registry.clientScreenRect(r), p)) return HTCLIENT;
  RECT insets = frameInsets(r.style, r.exStyle);
  bool left = p.x < outer.left + insets.left;
  bool right = p.x >= outer.right - insets.right;
  bool bottom = p.y >= outer.bottom - insets.bottom;
  bool top = p.y < outer.top + insets.left;
  if (!(r.style & WS_THICKFRAME)) {
    return (p.y < outer.top + insets.top && !top && !left && !right) ? HTCAPTION : HTBORDER;
  }
  if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  return HTCAPTION;
}

}  // namespace nvhost

namespace {

LRESULT hitTest(HWND window, POINT p) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  return r ? nvhost::hitTestLocked(*r, p) : HTNOWHERE;
}

void sendMoveAndSize(HWND window, const WINDOWPOS& wp) {
  POINT origin{0, 0};
  RECT client{};
  WPARAM kind = SIZE_RESTORED;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return;
    RECT insets = nvhost::frameInsets(r->style, r->exStyle);
    origin = POINT{r->rect.left + insets.left, r->rect.top + insets.top};
    kind = r->minimized() ? SIZE_MINIMIZED : r->maximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
  }
  GetClientRect(window, &client);
  if (!(wp.flags & SWP_NOCLIENTMOVE)) {
    SendMessageA(window, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  }
  if (!(wp.flags & SWP_NOCLIENTSIZE)) {
    SendMessageA(window, WM_SIZE, kind, MAKELPARAM(client.right, client.bottom));
  }
}

LRESULT eraseBackground(HWND window, HDC dc) {
  HBRUSH brush = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return 0;
    brush = r->cls.background;
  }
  if (brush == nullptr) return 0;
  RECT client{};
  GetClientRect(window, &client);
  if (auto eraser = nvhost::backgroundEraser()) eraser(window, dc, brush, client);
  return 1;
}

LRESULT systemCommand(HWND window, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(window, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(window, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(window, SW_RESTORE); break;
    default: break;
  }
  return 0;
}

LRESULT setText(HWND window, LPCSTR text) {
  bool topLevel = false;
  std::string title = text ? text : "";
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return FALSE;
    r->title = title;
    topLevel = !r->isChild();
  }
  if (topLevel) nvhost::display().windowTitleChanged(window, title);
  return TRUE;
}

LRESULT getText(HWND window, LPSTR buffer, WPARAM size) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr || buffer == nullptr || size == 0) return 0;
  size_t n = std::min(r->title.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, r->title.data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT wheelToParent(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND parent = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r != nullptr && r->isChild()) parent = r->parent;
  }
  return parent ? SendMessageA(parent, WM_MOUSEWHEEL, wParam, lParam) : 0;
}

}  // namespace

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_SYSCOMMAND: return systemCommand(window, wParam);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(window, &ps)) EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return eraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGED: sendMoveAndSize(window, *reinterpret_cast<const WINDOWPOS*>(lParam)); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) SetFocus(window);
      return 0;
    case WM_MOUSEWHEEL: return wheelToParent(window, wParam, lParam);
    case WM_NCHITTEST: return hitTest(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCACTIVATE: return TRUE;
    case WM_SETTEXT: return setText(window, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: return getText(window, reinterpret_cast<LPSTR>(lParam), wParam);
    case WM_GETTEXTLENGTH: {
      HostLock lock(nvhost::hostMutex());
      WindowRecord* r = WindowRegistry::get().find(window);
      return r ? static_cast<LRESULT>(r->title.size()) : 0;
    }
    default: return 0;
  }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(window, message, wParam, lParam) : 0;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  if (!IsWindow(window)) return FALSE;
  return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int GetWindowTextA(HWND window, LPSTR text, int size) {
  if (size <= 0) return 0;
  return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(r->style);
    case GWL_EXSTYLE: return static_cast<LONG>(r->exStyle);
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(r->proc);
    case GWLP_USERDATA: return r->userData;
    case GWLP_ID: return r->id;
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(r->cls.instance);
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  LONG_PTR old = 0;
  switch (index) {
    case GWL_STYLE:
      old = static_cast<LONG>(r->style);
      r->style = static_cast<DWORD>(value);
      break;
    case GWL_EXSTYLE:
      old = static_cast<LONG>(r->exStyle);
      r->exStyle = static_cast<DWORD>(value);
      break;
    case GWLP_WNDPROC:
      old = reinterpret_cast<LONG_PTR>(r->proc);
      r->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_USERDATA:
      old = r->userData;
      r->userData = value;
      break;
    case GWLP_ID:
      old = r->id;
      r->id = value;
      break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
  }
  return old;
}

LONG GetWindowLongA(HWND window, int index) { return static_cast<LONG>(GetWindowLongPtrA(window, index)); }

LONG SetWindowLongA(HWND window, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}
