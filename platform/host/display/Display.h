// The display interface of the host: what a display driver is told about the
// host's top-level windows. Drivers feed input back through the entry points
// of HostInput.h. The host never calls a driver while it holds its lock, so
// a driver may call the entry points from any thread, and wait for its own
// threads, inside these calls.
#pragma once

#include <memory>
#include <string>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost {

class Display {
 public:
  virtual ~Display() = default;

  virtual const char* name() const = 0;
  // A top-level window became visible at a screen rectangle, or was hidden.
  virtual void windowShown(HWND window, const RECT& screen) = 0;
  virtual void windowHidden(HWND window) = 0;
  // A shown top-level window moved or changed size.
  virtual void windowMoved(HWND window, const RECT& screen) = 0;
  virtual void windowTitleChanged(HWND window, const std::string& cp932Title) = 0;
  virtual void windowDestroyed(HWND window) = 0;
  // Pixels of a top-level window changed inside a rectangle of its own
  // (window) coordinates.
  virtual void present(HWND window, const RECT& area) = 0;
  // The pointer's shape changed (a cursor from LoadCursorA).
  virtual void cursorChanged(HCURSOR cursor) = 0;
  // A program put text on the clipboard (code page 932); a driver that
  // shares the desktop's clipboard passes it on.
  virtual void clipboardChanged(const std::string& /*cp932Text*/) {}
};

// Chooses the display driver by name ("null"; "sdl" once it exists) before
// the first window. Returns false for an unknown name or once windows exist.
bool selectDisplay(const std::string& name);

// The current driver; the null driver if none was chosen.
Display& display();

// A driver the host knows by name; the table lives in displays.cpp.
struct DisplayDriverEntry {
  const char* name;
  std::unique_ptr<Display> (*create)();
};

}  // namespace nvhost
