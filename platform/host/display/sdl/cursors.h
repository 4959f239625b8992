// The host's standard cursors as SDL system cursors.
#pragma once

#include <SDL.h>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

// Shows the cursor a host handle names (null hides the pointer, as
// SetCursor(NULL) does). Display thread only; SDL cursors are made once.
void showCursor(HCURSOR cursor);
// Frees the cursors made so far; before SDL_Quit.
void freeCursors();

}  // namespace nvhost::sdl
