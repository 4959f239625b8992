// The drop point of an X drag and drop, which SDL's drop events lack.
#pragma once

struct SDL_SysWMmsg;

namespace nvhost::sdl {

// True when the window-system message is an X drag-and-drop position
// message; `x` and `y` are then the pointer's position on the screen.
bool xdndPosition(const SDL_SysWMmsg* message, int& x, int& y);

}  // namespace nvhost::sdl
