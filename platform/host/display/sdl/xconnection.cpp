// The lost X connection. This file sees Xlib's names, which clash with the
// host's Win32 ones.
//  [x] the temporary file of a conversion under way is removed
//  [x] the process ends with status 1, as Xlib's own handler ends it
#include "platform/host/display/sdl/xconnection.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>

#include "platform/runtime/ProcessGuards.h"

namespace nvhost::sdl {

namespace {

int onConnectionLost(Display*) {
  nvrt::removePendingTemporaryFile();
  // Ended here with Xlib's status, but without exit(): that would run the
  // static destructors on this thread while the main thread still converts
  // and draws with what they destroy.
  const char message[] = "The connection to the X server was lost.\n";
  [[maybe_unused]] const ssize_t written = write(2, message, std::strlen(message));
  _exit(1);
}

}  // namespace

void cleanUpOnLostConnection() { XSetIOErrorHandler(onConnectionLost); }

}  // namespace nvhost::sdl
