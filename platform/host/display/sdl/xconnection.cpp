// The lost X connection. This file sees Xlib's names, which clash with the
// host's Win32 ones.
#include "platform/host/display/sdl/xconnection.h"

#include <X11/Xlib.h>

#include "platform/runtime/ProcessGuards.h"

namespace nvhost::sdl {

namespace {

XIOErrorHandler previousHandler = nullptr;

int onConnectionLost(Display* display) {
  nvrt::removePendingTemporaryFile();
  // The previous handler (Xlib's own prints the reason) ends the process;
  // so does Xlib if it returns.
  return previousHandler != nullptr ? previousHandler(display) : 0;
}

}  // namespace

void cleanUpOnLostConnection() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  previousHandler = XSetIOErrorHandler(onConnectionLost);
}

}  // namespace nvhost::sdl
