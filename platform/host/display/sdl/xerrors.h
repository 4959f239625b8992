// X protocol errors made harmless. Xlib's default handler ends the process
// on any error, and SDL's own handler hands errors on to it; but a request
// can name a window that another connection destroyed a moment before (SDL
// wakes its waiting display thread with an event sent to one of its windows,
// from whichever thread pushes an event), and such an error says nothing
// about the program's state.
#pragma once

namespace nvhost::sdl {

// Installs a handler that reports every X error on standard error and goes
// on. Call on the display thread after SDL_Init; without an X display it
// does nothing.
void ignoreXErrors();

// How many X errors the handler has seen; for tests.
unsigned long xErrorsSeen();

}  // namespace nvhost::sdl
