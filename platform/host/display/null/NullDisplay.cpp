// The null display driver and its test API.
//  [x] remembers shown windows, their rectangles, titles, the cursor and
//      the clipboard text
//  [x] injects pointer, buttons, keys, wheel, IME commits, drops, close,
//      restore and activation requests, moves made by the desktop and desktop clipboard text through the
//      host's input entry points
//  [x] reads back a window's or the desktop's pixels and saves them as PNG;
//      records what was presented
#include "platform/host/display/null/NullDisplay.h"

#include <algorithm>

#include "platform/host/display/HostInput.h"

namespace nvhost {

void NullDisplay::windowShown(HWND window, const RECT& screen) {
  std::lock_guard lock(mutex_);
  shown_[window] = screen;
}

void NullDisplay::windowHidden(HWND window) {
  std::lock_guard lock(mutex_);
  shown_.erase(window);
}

void NullDisplay::windowMoved(HWND window, const RECT& screen) {
  std::lock_guard lock(mutex_);
  if (shown_.count(window)) shown_[window] = screen;
}

void NullDisplay::windowTitleChanged(HWND window, const std::string& cp932Title) {
  std::lock_guard lock(mutex_);
  titles_[window] = cp932Title;
}

void NullDisplay::windowDestroyed(HWND window) {
  std::lock_guard lock(mutex_);
  shown_.erase(window);
  titles_.erase(window);
  presented_.erase(window);
}

void NullDisplay::present(HWND window, const RECT& area) {
  std::lock_guard lock(mutex_);
  RECT& sum = presented_[window];
  if (sum.left >= sum.right || sum.top >= sum.bottom) {
    sum = area;
  } else {
    sum = RECT{std::min(sum.left, area.left), std::min(sum.top, area.top), std::max(sum.right, area.right),
               std::max(sum.bottom, area.bottom)};
  }
}

void NullDisplay::cursorChanged(HCURSOR cursor) {
  std::lock_guard lock(mutex_);
  cursor_ = cursor;
}

void NullDisplay::clipboardChanged(const std::string& cp932Text) {
  std::lock_guard lock(mutex_);
  clipboard_ = cp932Text;
}

NullDisplay* NullDisplay::instance() { return dynamic_cast<NullDisplay*>(&display()); }

bool NullDisplay::select() {
  if (!selectDisplay("null")) return false;
  setDesktop(1280, 1024, RECT{0, 0, 1280, 1024});
  return true;
}

void NullDisplay::setDesktop(int width, int height, const RECT& workArea) {
  input::desktopChanged(RECT{0, 0, width, height}, workArea);
}

void NullDisplay::movePointer(int x, int y, DWORD time) { input::pointerMoved(x, y, time); }

void NullDisplay::pressButton(int button, DWORD time) { input::buttonDown(button, time); }

void NullDisplay::releaseButton(int button, DWORD time) { input::buttonUp(button, time); }

void NullDisplay::click(int x, int y, int button, DWORD time) {
  input::pointerMoved(x, y, time);
  input::buttonDown(button, time);
  input::buttonUp(button, time);
}

void NullDisplay::pressKey(BYTE virtualKey) { input::keyDown(virtualKey); }

void NullDisplay::releaseKey(BYTE virtualKey) { input::keyUp(virtualKey); }

void NullDisplay::typeKey(BYTE virtualKey, bool shift, bool control) {
  if (shift) input::keyDown(VK_SHIFT);
  if (control) input::keyDown(VK_CONTROL);
  input::keyDown(virtualKey);
  input::keyUp(virtualKey);
  if (control) input::keyUp(VK_CONTROL);
  if (shift) input::keyUp(VK_SHIFT);
}

void NullDisplay::turnWheel(int notches) { input::wheel(notches * WHEEL_DELTA); }

void NullDisplay::commitIme(const std::string& cp932) { input::imeCommit(cp932); }

bool NullDisplay::dropFiles(int x, int y, const std::vector<std::string>& utf8Paths) {
  return input::dropFiles(POINT{x, y}, utf8Paths);
}

void NullDisplay::requestClose(HWND window) { input::closeRequested(window); }

void NullDisplay::requestRestore(HWND window) { input::restoreRequested(window); }

void NullDisplay::requestActivation(HWND window) { input::activationRequested(window); }

void NullDisplay::placeWindow(HWND window, const RECT& screen) {
  if (NullDisplay* d = instance()) {
    std::lock_guard lock(d->mutex_);
    if (d->shown_.count(window)) d->shown_[window] = screen;
  }
  input::windowPlaced(window, screen);
}

void NullDisplay::offerClipboard(const std::string& cp932Text) { input::clipboardOffered(cp932Text); }

bool NullDisplay::isShown(HWND window) {
  NullDisplay* self = instance();
  if (self == nullptr) return false;
  std::lock_guard lock(self->mutex_);
  return self->shown_.count(window) != 0;
}

RECT NullDisplay::shownRect(HWND window) {
  NullDisplay* self = instance();
  if (self == nullptr) return RECT{};
  std::lock_guard lock(self->mutex_);
  auto it = self->shown_.find(window);
  return it == self->shown_.end() ? RECT{} : it->second;
}

std::string NullDisplay::title(HWND window) {
  NullDisplay* self = instance();
  if (self == nullptr) return {};
  std::lock_guard lock(self->mutex_);
  auto it = self->titles_.find(window);
  return it == self->titles_.end() ? std::string() : it->second;
}

HCURSOR NullDisplay::cursor() {
  NullDisplay* self = instance();
  if (self == nullptr) return nullptr;
  std::lock_guard lock(self->mutex_);
  return self->cursor_;
}

// Pixels: the surfaces live in gdi; these only hand them out.

bool NullDisplay::windowPixels(HWND window, gdi::PixelImage& image) { return gdi::readWindowPixels(window, image); }

gdi::PixelImage NullDisplay::desktopPixels() { return gdi::readDesktopPixels(); }

RECT NullDisplay::takePresented(HWND window) {
  NullDisplay* self = instance();
  if (self == nullptr) return RECT{};
  std::lock_guard lock(self->mutex_);
  auto it = self->presented_.find(window);
  if (it == self->presented_.end()) return RECT{};
  const RECT area = it->second;
  self->presented_.erase(it);
  return area;
}

std::string NullDisplay::clipboardText() {
  NullDisplay* self = instance();
  if (self == nullptr) return {};
  std::lock_guard lock(self->mutex_);
  return self->clipboard_;
}

}  // namespace nvhost
