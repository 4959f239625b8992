// The entry points through which display drivers hand real or injected input
// and desktop changes to the host. They may be called from any thread; the
// host turns them into the messages Windows would send and keeps its own
// pointer, button and key state.
#pragma once

#include <string>
#include <vector>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::input {

// The desktop's size and the work area inside it, in screen pixels.
void desktopChanged(const RECT& desktop, const RECT& workArea);

// Pointer movement to a screen point. `time` is the message time in
// milliseconds of timeGetTime; 0 means now.
void pointerMoved(int x, int y, DWORD time = 0);
// A mouse button (VK_LBUTTON, VK_RBUTTON or VK_MBUTTON) went down or up at
// the current pointer position.
void buttonDown(int button, DWORD time = 0);
void buttonUp(int button, DWORD time = 0);
// Wheel movement, in WHEEL_DELTA units per notch; positive away from the user.
void wheel(int delta, DWORD time = 0);
// A key (a virtual-key code) went down or up.
void keyDown(BYTE virtualKey, DWORD time = 0);
void keyUp(BYTE virtualKey, DWORD time = 0);
// The input method committed a string (code page 932 bytes) for the window
// with the keyboard focus.
void imeCommit(const std::string& cp932);
// Files (UTF-8 host paths) were dropped at a screen point. False when no
// window there or above it accepts files.
bool dropFiles(POINT screen, const std::vector<std::string>& utf8Paths);
// The desktop asks a top-level window to close (its close box), or to come
// back from minimized or maximized (its taskbar button).
void closeRequested(HWND window);
void restoreRequested(HWND window);
// The desktop itself moved or resized one of the host's top-level windows
// (a window manager placing it, another program moving it). The host
// follows, as Windows tells a program whose window the user moved: the
// window's thread gets the position messages, and hit testing, drops and
// the pointer use the new place. A minimized window does not follow.
void windowPlaced(HWND window, const RECT& screen);
// The desktop made one of the host's top-level windows the active one (for
// example by the window manager's keyboard switching).
void activationRequested(HWND window);
// Another program put text (code page 932) on the desktop's clipboard.
void clipboardOffered(const std::string& cp932Text);

}  // namespace nvhost::input
