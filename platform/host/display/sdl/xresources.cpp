// X resources of the screen. This file alone sees Xlib's resource names,
// which clash with the host's Win32 ones.
//  [x] Xft.dpi from the resources the server keeps for every client
//  [ ] resources in files (~/.Xresources not loaded by xrdb)
#include "platform/host/display/sdl/xresources.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

namespace nvhost::sdl {

std::string xftDpiResource() {
  // A connection of its own, made once at start: SDL keeps its own to
  // itself, and the server hands the resources to each client as it
  // connects.
  ::Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return std::string();
  std::string value;
  if (const char* resources = XResourceManagerString(display); resources != nullptr) {
    XrmInitialize();
    if (XrmDatabase database = XrmGetStringDatabase(resources); database != nullptr) {
      char* type = nullptr;
      XrmValue found{};
      if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &found) && found.addr != nullptr)
        value.assign(found.addr);
      XrmDestroyDatabase(database);
    }
  }
  XCloseDisplay(display);
  return value;
}

}  // namespace nvhost::sdl
