// Where the input method's candidate window belongs.
#pragma once

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

// The composition position that the program set with
// ImmSetCompositionWindow for the window with the keyboard focus, in screen
// coordinates, and that window's top-level window. False when no window has
// the focus or its program never placed the composition.
bool candidateSpot(POINT& screen, HWND& topLevel);

}  // namespace nvhost::sdl
