// Window classes.
//  [x] RegisterClassA: style, procedure, background brush, cursor, icon;
//      registering a name twice fails with ERROR_CLASS_ALREADY_EXISTS
//  [x] UnregisterClassA
//  [ ] class and window extra bytes, atoms as class names, GetClassInfoA
#include "platform/host/user/WindowRegistry.h"

using nvhost::HostLock;
using nvhost::WindowRegistry;

ATOM RegisterClassA(const WNDCLASSA* wndClass) {
  if (wndClass == nullptr || wndClass->lpszClassName == nullptr || IS_INTRESOURCE(wndClass->lpszClassName) ||
      wndClass->lpfnWndProc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  nvhost::ClassRecord cls;
  cls.name = wndClass->lpszClassName;
  cls.style = wndClass->style;
  cls.proc = wndClass->lpfnWndProc;
  cls.background = wndClass->hbrBackground;
  cls.cursor = wndClass->hCursor;
  cls.icon = wndClass->hIcon;
  cls.instance = wndClass->hInstance;
  HostLock lock(nvhost::hostMutex());
  static ATOM nextAtom = 0xC000;
  if (!WindowRegistry::get().addClass(cls)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  return nextAtom++;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE /*instance*/) {
  if (className == nullptr || IS_INTRESOURCE(className)) return FALSE;
  HostLock lock(nvhost::hostMutex());
  if (!WindowRegistry::get().removeClass(className)) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return FALSE;
  }
  return TRUE;
}
