// Device contexts that user32 hands out for windows (GetDC, BeginPaint).
// What a device context can draw belongs to gdi, which keeps its drawing
// state beside this record and may install the background eraser.
#pragma once

#include "platform/host/include/nvhost_win32.h"

namespace nvhost {

struct WindowDC {
  HWND window = nullptr;  // null: the whole screen
  bool fromPaint = false;
};

// Registers a new device context for a window; the handle stays valid until
// releaseWindowDC. Takes the host lock.
HDC acquireWindowDC(HWND window, bool fromPaint);
bool releaseWindowDC(HDC dc);
// The record of a live window device context, or null. The caller holds the
// host lock while it uses the record.
WindowDC* findWindowDC(HDC dc);

// Fills a window's client area with its class brush when Windows would erase
// the background (default WM_ERASEBKGND). Installed by gdi; until then the
// default processing only reports whether a brush exists.
using BackgroundEraser = void (*)(HWND window, HDC dc, HBRUSH brush, const RECT& area);
void setBackgroundEraser(BackgroundEraser eraser);
BackgroundEraser backgroundEraser();

}  // namespace nvhost
