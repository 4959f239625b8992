#include "XvfbScreen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace e2e {

bool XvfbScreen::start(std::string& whyNot, int width, int height) {
  // A screen shared with programs started outside the test (Wine's desktop
  // processes) is given by the caller.
  if (const char* shared = std::getenv("BRISEL_E2E_DISPLAY"); shared != nullptr && *shared != '\0') {
    name_ = shared;
    connection_ = XOpenDisplay(name_.c_str());
    if (connection_ == nullptr) whyNot = "no connection to the display " + name_;
    return connection_ != nullptr;
  }
  const std::string xvfb = findProgram("Xvfb");
  if (xvfb.empty()) {
    whyNot = "Xvfb is not installed (scripts/setup installs the xvfb package)";
    return false;
  }
  // Xvfb picks a free display itself and writes its number: tests of
  // several people can share the machine.
  server_ = std::make_unique<ChildProcess>(std::vector<std::string>{
      xvfb, "-displayfd", "1", "-screen", "0", std::to_string(width) + "x" + std::to_string(height) + "x24", "-br",
      "-nolisten", "tcp"});
  std::string number;
  if (!server_->started() || !server_->readLine(number, 20000) || number.empty()) {
    whyNot = "Xvfb could not start here";
    return false;
  }
  name_ = ":" + number;
  for (int attempt = 0; attempt < 200 && connection_ == nullptr; ++attempt) {
    connection_ = XOpenDisplay(name_.c_str());
    if (connection_ == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (connection_ == nullptr) {
    whyNot = "Xvfb started but no connection to " + name_ + " could be made";
    return false;
  }
  return true;
}

XvfbScreen::~XvfbScreen() {
  windowManager_.reset();
  if (connection_ != nullptr) XCloseDisplay(connection_);
  // The server ends with its ChildProcess.
}

unsigned XvfbScreen::pixel(int x, int y) {
  XImage* image = XGetImage(connection_, DefaultRootWindow(connection_), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return 0xFFFFFFFF;
  const unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  // The 24-bit TrueColor visual of Xvfb is 0xRRGGBB.
  return static_cast<unsigned>(p & 0xFFFFFF);
}

std::vector<unsigned> XvfbScreen::pixels(int left, int top, int width, int height) {
  std::vector<unsigned> out;
  XImage* image = XGetImage(connection_, DefaultRootWindow(connection_), left, top, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return out;
  out.reserve(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out.push_back(static_cast<unsigned>(XGetPixel(image, x, y) & 0xFFFFFF));
  }
  XDestroyImage(image);
  return out;
}

bool XvfbScreen::anyPixelOtherThan(int left, int top, int width, int height, unsigned colour) {
  XImage* image = XGetImage(connection_, DefaultRootWindow(connection_), left, top, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  bool found = false;
  for (int y = 0; y < height && !found; ++y) {
    for (int x = 0; x < width && !found; ++x) found = (XGetPixel(image, x, y) & 0xFFFFFF) != colour;
  }
  XDestroyImage(image);
  return found;
}

bool XvfbScreen::screenshot(const std::string& path) {
  const std::string import = findProgram("import");
  if (import.empty()) return false;
  ChildProcess shot({import, "-window", "root", path}, {environment()});
  int status = -1;
  return shot.wait(status, 20000) && status == 0;
}

unsigned long long XvfbScreen::cursorPicture() {
  XFixesCursorImage* image = XFixesGetCursorImage(connection_);
  if (image == nullptr) return 0;
  unsigned long long sum = (static_cast<unsigned long long>(image->width) << 48) ^
                           (static_cast<unsigned long long>(image->height) << 32) ^
                           (static_cast<unsigned long long>(image->xhot) << 16) ^ image->yhot;
  for (int i = 0; i < image->width * image->height; ++i) sum = sum * 1000003u + image->pixels[i];
  XFree(image);
  return sum;
}

void XvfbScreen::movePointer(int x, int y) {
  XTestFakeMotionEvent(connection_, -1, x, y, CurrentTime);
  XSync(connection_, False);
}

void XvfbScreen::click(int button) {
  // Held as long as a person holds it: a program that samples the buttons
  // once per frame (as the framework does) never sees a press and release
  // that XTest delivers within the same millisecond.
  constexpr auto kHeld = std::chrono::milliseconds(100);
  std::this_thread::sleep_for(kHeld);
  XTestFakeButtonEvent(connection_, static_cast<unsigned>(button), True, CurrentTime);
  XSync(connection_, False);
  std::this_thread::sleep_for(kHeld);
  XTestFakeButtonEvent(connection_, static_cast<unsigned>(button), False, CurrentTime);
  XSync(connection_, False);
}

void XvfbScreen::setButton(int button, bool down) {
  XTestFakeButtonEvent(connection_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
  XSync(connection_, False);
}

void XvfbScreen::quickClick(int button) {
  XTestFakeButtonEvent(connection_, static_cast<unsigned>(button), True, CurrentTime);
  XTestFakeButtonEvent(connection_, static_cast<unsigned>(button), False, CurrentTime);
  XSync(connection_, False);
}

namespace {

bool redirectRefused = false;

int ignoreError(Display*, XErrorEvent*) { return 0; }

int noteRefusal(Display*, XErrorEvent* error) {
  if (error->error_code == BadAccess) redirectRefused = true;
  return 0;
}

// Whether another client manages the screen: only one may select
// SubstructureRedirect on the root window.
bool managed(Display* display) {
  redirectRefused = false;
  XErrorHandler previous = XSetErrorHandler(noteRefusal);
  XSelectInput(display, DefaultRootWindow(display), SubstructureRedirectMask);
  XSync(display, False);
  XSelectInput(display, DefaultRootWindow(display), NoEventMask);
  XSync(display, False);
  XSetErrorHandler(previous);
  return redirectRefused;
}

std::string property(Display* display, Window window, const char* name, const char* type) {
  Atom actual = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const Atom wanted = type != nullptr ? XInternAtom(display, type, False) : AnyPropertyType;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, wanted, &actual, &format,
                         &items, &after, &data) != Success ||
      data == nullptr) {
    return std::string();
  }
  std::string value(reinterpret_cast<const char*>(data), format == 8 ? items : 0);
  XFree(data);
  return value;
}

Window search(Display* display, Window under, const std::string& name) {
  if (property(display, under, "_NET_WM_NAME", "UTF8_STRING") == name) return under;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, under, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) found = search(display, children[i], name);
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

bool XvfbScreen::startWindowManager(std::string& whyNot) {
  const std::string wm = findProgram("evilwm");
  if (wm.empty()) {
    whyNot = "evilwm is not installed (scripts/setup installs it)";
    return false;
  }
  // Its default font is not among the server's; "fixed" always is
  // (xfonts-base).
  windowManager_ = std::make_unique<ChildProcess>(std::vector<std::string>{wm, "-fn", "fixed"},
                                                  std::vector<std::string>{environment()});
  for (int attempt = 0; attempt < 400; ++attempt) {
    if (managed(connection_)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  whyNot = "evilwm did not start managing the screen";
  return false;
}

// Windows come and go while the tree is searched; a window gone between the
// listing and the reading of its name is no error of the test's.
unsigned long XvfbScreen::windowNamed(const std::string& name) {
  XErrorHandler previous = XSetErrorHandler(ignoreError);
  const unsigned long found = search(connection_, DefaultRootWindow(connection_), name);
  XSync(connection_, False);
  XSetErrorHandler(previous);
  return found;
}

std::string XvfbScreen::wmName(unsigned long window) { return property(connection_, window, "WM_NAME", nullptr); }

std::string XvfbScreen::netWmName(unsigned long window) {
  return property(connection_, window, "_NET_WM_NAME", "UTF8_STRING");
}

bool XvfbScreen::originOf(unsigned long window, int& x, int& y) {
  XWindowAttributes attributes;
  XErrorHandler previous = XSetErrorHandler(ignoreError);
  const bool alive = XGetWindowAttributes(connection_, window, &attributes) != 0;
  Window child = 0;
  const bool placed =
      alive && XTranslateCoordinates(connection_, window, DefaultRootWindow(connection_), 0, 0, &x, &y, &child);
  XSync(connection_, False);
  XSetErrorHandler(previous);
  return placed;
}

bool XvfbScreen::sizeOf(unsigned long window, int& width, int& height) {
  XWindowAttributes attributes;
  XErrorHandler previous = XSetErrorHandler(ignoreError);
  const bool alive = XGetWindowAttributes(connection_, window, &attributes) != 0;
  XSync(connection_, False);
  XSetErrorHandler(previous);
  if (alive) width = attributes.width, height = attributes.height;
  return alive;
}

void XvfbScreen::setResources(const std::string& resources) {
  const Window root = DefaultRootWindow(connection_);
  if (resources.empty()) {
    XDeleteProperty(connection_, root, XA_RESOURCE_MANAGER);
  } else {
    XChangeProperty(connection_, root, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(resources.data()), static_cast<int>(resources.size()));
  }
  XSync(connection_, False);
}

void XvfbScreen::moveWindow(unsigned long window, int x, int y) {
  XMoveWindow(connection_, window, x, y);
  XSync(connection_, False);
}

void XvfbScreen::pressKey(const char* keysym) {
  const KeyCode code = XKeysymToKeycode(connection_, XStringToKeysym(keysym));
  XTestFakeKeyEvent(connection_, code, True, CurrentTime);
  XTestFakeKeyEvent(connection_, code, False, CurrentTime);
  XSync(connection_, False);
}

}  // namespace e2e
