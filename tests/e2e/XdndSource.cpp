// A small X drag-and-drop source for the real-window tests: it offers files
// as text/uri-list, drags them to a screen point and drops them there.
//
//   brisel_xdnd_source X Y PATH...
//
// Exits 0 when the target reports the drop finished, 1 when the target took
// the drop but never said so (Wine never does), 2 when no window at the
// point accepts drops, 3 when there is no display. It never waits more than
// a few seconds.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kWaitMs = 5000;

Display* display = nullptr;
Window source = 0;

Atom atom(const char* name) { return XInternAtom(display, name, False); }

// file:// URIs with every byte outside the unreserved set escaped, so that
// Japanese names, emoji and spaces survive.
std::string uriList(int count, char** paths) {
  std::string list;
  for (int i = 0; i < count; ++i) {
    list += "file://";
    for (const unsigned char c : std::string(paths[i])) {
      if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
        list += static_cast<char>(c);
      } else {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        list += escaped;
      }
    }
    list += "\r\n";
  }
  return list;
}

bool takesDrops(Window window) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(display, window, atom("XdndAware"), 0, 1, False, AnyPropertyType, &type, &format, &items, &after,
                     &data);
  if (data != nullptr) XFree(data);
  return items > 0;
}

// The window under a root point that says it takes drops: the top-level
// window there, or, under a window manager's frame, the program's window
// inside it.
Window targetAt(int x, int y) {
  Window root = DefaultRootWindow(display);
  Window parent = root;
  for (int depth = 0; depth < 8; ++depth) {
    Window child = 0;
    int cx = 0, cy = 0;
    XTranslateCoordinates(display, root, parent, x, y, &cx, &cy, &child);
    if (child == 0) return 0;
    if (takesDrops(child)) return child;
    parent = child;
  }
  return 0;
}

void send(Window target, const char* message, long l1, long l2, long l3, long l4) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = target;
  e.xclient.message_type = atom(message);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(source);
  e.xclient.data.l[1] = l1;
  e.xclient.data.l[2] = l2;
  e.xclient.data.l[3] = l3;
  e.xclient.data.l[4] = l4;
  XSendEvent(display, target, False, NoEventMask, &e);
  XFlush(display);
}

// Answers the target's request for the data of the selection.
void answer(const XSelectionRequestEvent& request, const std::string& list) {
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.time = request.time;
  reply.xselection.property = None;
  if (request.target == atom("text/uri-list")) {
    const Atom property = request.property != None ? request.property : request.target;
    XChangeProperty(display, request.requestor, property, request.target, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(list.data()), static_cast<int>(list.size()));
    reply.xselection.property = property;
  }
  XSendEvent(display, request.requestor, False, NoEventMask, &reply);
  XFlush(display);
}

// Serves the target until it finishes the drop or the time runs out.
bool serveUntilFinished(const std::string& list) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
  pollfd fd{ConnectionNumber(display), POLLIN, 0};
  while (std::chrono::steady_clock::now() < end) {
    while (XPending(display) > 0) {
      XEvent e;
      XNextEvent(display, &e);
      if (e.type == SelectionRequest) answer(e.xselectionrequest, list);
      if (e.type == ClientMessage && e.xclient.message_type == atom("XdndFinished")) return true;
    }
    poll(&fd, 1, 50);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s X Y PATH...\n", argv[0]);
    return 3;
  }
  display = XOpenDisplay(nullptr);
  if (display == nullptr) return 3;
  const int x = std::atoi(argv[1]);
  const int y = std::atoi(argv[2]);
  const std::string list = uriList(argc - 3, argv + 3);
  Window root = DefaultRootWindow(display);
  source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, atom("XdndSelection"), source, CurrentTime);
  const Window target = targetAt(x, y);
  if (target == 0) return 2;
  send(target, "XdndEnter", 5L << 24, static_cast<long>(atom("text/uri-list")), 0, 0);
  send(target, "XdndPosition", 0, (static_cast<long>(x) << 16) | y, CurrentTime,
       static_cast<long>(atom("XdndActionCopy")));
  send(target, "XdndDrop", 0, CurrentTime, 0, 0);
  const bool finished = serveUntilFinished(list);
  XCloseDisplay(display);
  return finished ? 0 : 1;
}
