// Pointer, keyboard state and cursors as the framework reads them.
//  [x] GetCursorPos, SetCursorPos, GetKeyboardState (mouse buttons
//      included), GetKeyState and GetAsyncKeyState with toggle bits
//  [x] LoadCursorA with the standard cursors, SetCursor remembered per window
//      and shown again when the pointer comes back over it
//  [x] SystemParametersInfoA(SPI_GETWORKAREA), GetSystemMetrics
//  [ ] per-thread key state snapshots, WM_SETCURSOR, cursor resources
#include <cstring>

#include "platform/host/display/Display.h"
#include "platform/host/display/HostInput.h"
#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::WindowRegistry;

namespace {

constexpr UINT kDoubleClickTime = 500;

bool isSystemResource(LPCSTR name, WORD low, WORD high) {
  if (!IS_INTRESOURCE(name)) return false;
  auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  return id >= low && id <= high;
}

}  // namespace

BOOL GetCursorPos(LPPOINT point) {
  if (point == nullptr) return FALSE;
  HostLock lock(nvhost::hostMutex());
  *point = WindowRegistry::get().desktop().pointer;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  nvhost::input::pointerMoved(x, y);
  return TRUE;
}

BOOL GetKeyboardState(PBYTE keyState) {
  if (keyState == nullptr) return FALSE;
  HostLock lock(nvhost::hostMutex());
  std::memcpy(keyState, WindowRegistry::get().desktop().keys, 256);
  return TRUE;
}

SHORT GetKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  HostLock lock(nvhost::hostMutex());
  BYTE state = WindowRegistry::get().desktop().keys[virtualKey];
  return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

SHORT GetAsyncKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  HostLock lock(nvhost::hostMutex());
  return (WindowRegistry::get().desktop().keys[virtualKey] & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
  // The standard cursors are shared handles named by their resource number;
  // the host has no cursor resources of its own.
  if (instance != nullptr || !isSystemResource(name, 32512, 32651)) return nullptr;
  return reinterpret_cast<HCURSOR>(reinterpret_cast<ULONG_PTR>(name) << 4);
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  // FIXME: icon resources of the program do not exist on the host.
  if (instance != nullptr || !isSystemResource(name, 32512, 32518)) return nullptr;
  return reinterpret_cast<HICON>((reinterpret_cast<ULONG_PTR>(name) << 4) | 1);
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    auto& d = registry.desktop();
    old = d.cursor;
    d.cursor = cursor;
    HWND under = d.capture ? d.capture : registry.windowAt(d.pointer);
    nvhost::WindowRecord* r = registry.find(under);
    if (r != nullptr && r->threadId == GetCurrentThreadId()) r->cursor = cursor;
  }
  if (old != cursor) nvhost::display().cursorChanged(cursor);
  return old;
}

HCURSOR GetCursor() {
  HostLock lock(nvhost::hostMutex());
  return WindowRegistry::get().desktop().cursor;
}

UINT GetDoubleClickTime() { return kDoubleClickTime; }

BOOL SystemParametersInfoA(UINT action, UINT /*param*/, LPVOID value, UINT /*winIni*/) {
  if (action != SPI_GETWORKAREA || value == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  HostLock lock(nvhost::hostMutex());
  *static_cast<RECT*>(value) = WindowRegistry::get().desktop().workArea;
  return TRUE;
}

int GetSystemMetrics(int index) {
  HostLock lock(nvhost::hostMutex());
  const RECT& desk = WindowRegistry::get().desktop().desktop;
  switch (index) {
    case SM_CXSCREEN: return desk.right - desk.left;
    case SM_CYSCREEN: return desk.bottom - desk.top;
    case SM_CXBORDER:
    case SM_CYBORDER: return nvhost::frameInsets(WS_BORDER, 0).left;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return nvhost::frameInsets(WS_DLGFRAME, 0).left;
    case SM_CXFRAME:
    case SM_CYFRAME: return nvhost::frameInsets(WS_THICKFRAME, 0).left;
    case SM_CYCAPTION: return nvhost::frameInsets(WS_CAPTION, 0).top - nvhost::frameInsets(WS_CAPTION, 0).left;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    default: return 0;
  }
}
