// X pointer positions. This file alone sees Xlib's names, which clash with
// the host's Win32 ones.
//  [x] MotionNotify, ButtonPress, ButtonRelease: window and root positions
//  [ ] other window systems than X (their pointer events keep the window's
//      position as the host knows it)
#include "platform/host/display/sdl/xpointer.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace nvhost::sdl {

#if defined(SDL_VIDEO_DRIVER_X11)

bool xPointerEvent(const SDL_SysWMmsg* message, XPointerEvent& out) {
  if (message == nullptr || message->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& event = message->msg.x11.event;
  switch (event.type) {
    case MotionNotify:
      out = {event.xmotion.x, event.xmotion.y, event.xmotion.x_root, event.xmotion.y_root, true};
      return true;
    case ButtonPress:
    case ButtonRelease:
      out = {event.xbutton.x, event.xbutton.y, event.xbutton.x_root, event.xbutton.y_root, false};
      return true;
    default: return false;
  }
}

#else

bool xPointerEvent(const SDL_SysWMmsg*, XPointerEvent&) { return false; }

#endif

}  // namespace nvhost::sdl
