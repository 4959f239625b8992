#include <cstdlib>

#include "platform/host/display/Display.h"
#include "platform/runtime/Desktop.h"

namespace nvrt {

bool openDesktop(std::string& reason) {
  if (nvhost::selectDisplay("sdl")) return true;
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!display || !*display) && (!wayland || !*wayland))
    reason = "no display found (DISPLAY is not set)";
  else
    reason = "the display could not be opened";
  return false;
}

}  // namespace nvrt
