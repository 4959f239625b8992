// X errors reported and survived.
//  [x] every error logged with its request and resource, never fatal
//  [ ] I/O errors (a lost X server connection) still end the process, as
//      Xlib requires
#include "platform/host/display/sdl/xerrors.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace nvhost::sdl {

namespace {

std::atomic<unsigned long> seen{0};

#if defined(SDL_VIDEO_DRIVER_X11)

int report(Display* display, XErrorEvent* error) {
  ++seen;
  char text[160] = {};
  XGetErrorText(display, error->error_code, text, sizeof text - 1);
  const bool gone = error->error_code == BadWindow || error->error_code == BadDrawable;
  std::fprintf(stderr, "X error ignored%s: %s (request %u.%u, resource 0x%lx)\n", gone ? " (the window is gone)" : "",
               text, static_cast<unsigned>(error->request_code), static_cast<unsigned>(error->minor_code),
               static_cast<unsigned long>(error->resourceid));
  return 0;
}

#endif

}  // namespace

void ignoreXErrors() {
#if defined(SDL_VIDEO_DRIVER_X11)
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
  // The handler is Xlib's, process-wide, for every connection, SDL's
  // second connection (the one its wake-ups use) included.
  XSetErrorHandler(report);
#endif
}

unsigned long xErrorsSeen() { return seen.load(); }

}  // namespace nvhost::sdl
