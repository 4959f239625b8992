// X drag-and-drop positions. This file alone sees Xlib's names, which clash
// with the host's Win32 ones.
//  [x] XdndPosition: the root position in the third data word
//  [ ] other window systems than X (their drops use the pointer position)
#include "platform/host/display/sdl/xdnd.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace nvhost::sdl {

#if defined(SDL_VIDEO_DRIVER_X11)

bool xdndPosition(const SDL_SysWMmsg* message, int& x, int& y) {
  if (message == nullptr || message->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& event = message->msg.x11.event;
  if (event.type != ClientMessage || event.xclient.format != 32) return false;
  // Atoms are per display; asking by name costs a round trip only once per
  // display connection, and SDL keeps one connection.
  static Display* knownDisplay = nullptr;
  static Atom positionAtom = 0;
  if (event.xclient.display != knownDisplay) {
    knownDisplay = event.xclient.display;
    positionAtom = XInternAtom(knownDisplay, "XdndPosition", False);
  }
  if (event.xclient.message_type != positionAtom) return false;
  const long packed = event.xclient.data.l[2];
  x = static_cast<int>((packed >> 16) & 0xFFFF);
  y = static_cast<int>(packed & 0xFFFF);
  // Coordinates are signed 16-bit values on screens left of or above the
  // first one.
  if (x >= 0x8000) x -= 0x10000;
  if (y >= 0x8000) y -= 0x10000;
  return true;
}

#else

bool xdndPosition(const SDL_SysWMmsg*, int&, int&) { return false; }

#endif

}  // namespace nvhost::sdl
