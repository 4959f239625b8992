// Where the X server saw the pointer when it made a pointer event. SDL's
// mouse events carry only a position inside the window, and the host's idea
// of where the window is may already be ahead of the server's (a move asked
// for, a window manager still placing it): adding the two would put the
// pointer off by the move, and a drag of the title would chase it.
#pragma once

struct SDL_SysWMmsg;

namespace nvhost::sdl {

struct XPointerEvent {
  int windowX = 0, windowY = 0;  // inside the event's window
  int rootX = 0, rootY = 0;      // on the screen
  bool motion = false;           // a motion; else a press or release
};

// True when the window-system message is an X pointer motion, press or
// release; `event` then holds both of its positions.
bool xPointerEvent(const SDL_SysWMmsg* message, XPointerEvent& event);

}  // namespace nvhost::sdl
