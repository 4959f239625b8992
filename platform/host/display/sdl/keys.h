// SDL scancodes as Windows virtual-key codes.
#pragma once

#include <SDL.h>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

// The virtual key of a physical key, as a Japanese keyboard layout names
// it (the key beside 0 is '-', the next '^', then the yen key); 0 for a key
// the host has no code for.
BYTE virtualKeyOf(SDL_Scancode code);

}  // namespace nvhost::sdl
