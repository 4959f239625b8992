#include "XClients.h"

#include <X11/Xlib.h>

namespace e2e {

bool killWindowClients(const std::string& displayName) {
  Display* display = XOpenDisplay(displayName.c_str());
  if (display == nullptr) return false;
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
  for (unsigned i = 0; i < count; ++i) XKillClient(display, children[i]);
  if (children != nullptr) XFree(children);
  XSync(display, False);
  XCloseDisplay(display);
  return count > 0;
}

}  // namespace e2e
