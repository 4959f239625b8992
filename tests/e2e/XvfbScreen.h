// A private X server (Xvfb) for the real-window tests, with what the tests
// do on it: read pixels, move the pointer, click and press keys (XTest).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"

struct _XDisplay;

namespace e2e {

class XvfbScreen {
 public:
  // Starts Xvfb (1024 x 768 unless asked for another size) on a free
  // display, or connects to the display that BRISEL_E2E_DISPLAY names.
  // False with a reason for a person when it is not installed or cannot run
  // here.
  bool start(std::string& whyNot, int width = 1024, int height = 768);
  ~XvfbScreen();

  // "DISPLAY=:N" for the programs under test.
  std::string environment() const { return "DISPLAY=" + name_; }
  // Whether any pixel of a screen rectangle differs from `colour`.
  bool anyPixelOtherThan(int left, int top, int width, int height, unsigned colour);
  // A pixel of the screen as 0xRRGGBB.
  unsigned pixel(int x, int y);
  // A rectangle of the screen as 0xRRGGBB, row by row; empty when it is not
  // wholly on the screen.
  std::vector<unsigned> pixels(int left, int top, int width, int height);
  // Saves the screen as a PNG with ImageMagick's import; false without it.
  bool screenshot(const std::string& path);
  void movePointer(int x, int y);
  // The shown pointer's picture (size, hot spot and pixels folded into one
  // number), to tell cursors apart.
  unsigned long long cursorPicture();
  void click(int button);
  // Press and release back to back, as touchpads, remote desktops and
  // accessibility tools click.
  void quickClick(int button);
  // One half of a click, for drags.
  void setButton(int button, bool down);
  // Starts a window manager (evilwm) on the screen and waits until it
  // manages windows. False with a reason when it is not installed.
  bool startWindowManager(std::string& whyNot);
  // A window whose _NET_WM_NAME (UTF-8) is `name`, searched through the
  // whole tree (a window manager puts programs' windows into frames of its
  // own); 0 for none.
  unsigned long windowNamed(const std::string& name);
  // A window's WM_NAME and _NET_WM_NAME.
  std::string wmName(unsigned long window);
  std::string netWmName(unsigned long window);
  // Where a window's top left corner is on the screen; false when it is gone.
  bool originOf(unsigned long window, int& x, int& y);
  // A window's size; false when it is gone.
  bool sizeOf(unsigned long window, int& width, int& height);
  // Replaces the X resources the server hands to clients as they connect
  // (what xrdb loads, "Xft.dpi:\t192\n"); empty removes them.
  void setResources(const std::string& resources);
  // Moves a window as another program would (XMoveWindow).
  void moveWindow(unsigned long window, int x, int y);
  // A key by its X key symbol name ("Escape").
  void pressKey(const char* keysym);

 private:
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> windowManager_;
  std::string name_;
  _XDisplay* connection_ = nullptr;
};

}  // namespace e2e
