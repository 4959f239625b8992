// Functions that the user32 files of the host share. "Locked" functions
// expect the caller to hold hostMutex(); the others take it themselves and
// may run window procedures.
#pragma once

#include <string>

#include "platform/host/user/WindowRegistry.h"

namespace nvhost {

// painting: the first window of a thread (parents before children) that is
// shown and has a non-empty update area.
HWND windowNeedingPaintLocked(DWORD threadId, HWND filter);
// painting: adds to a window's update area (client coordinates; null for the
// whole client area) and wakes its thread.
void invalidateLocked(WindowRecord& record, const RECT* rect, bool erase);
// painting: invalidates a window and its shown descendants.
void invalidateTreeLocked(HWND window, bool erase);

// focus: makes a top-level window the active one and sends the activation
// messages (WA_ACTIVE or WA_CLICKACTIVE); null deactivates.
void activateWindow(HWND window, WORD how);
// focus: what happens to focus, activation and capture when a window is
// hidden, disabled or about to be destroyed.
void loseInputState(HWND window);

// window: moves, sizes and reorders a window with the messages Windows sends.
constexpr UINT kStateChanged = 0x8000;
BOOL setWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);

// defwindow: the default answer to WM_NCHITTEST for a screen point.
LRESULT hitTestLocked(WindowRecord& record, POINT screen);

// imm: stores a committed string for the window and sends the composition
// messages.
void deliverImeCommit(HWND window, const std::string& cp932);

}  // namespace nvhost
