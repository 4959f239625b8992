// The sdl display driver's face to the host: every call becomes a command
// for the display thread.
//  [x] windows shown, hidden, moved, titled and destroyed in order, each
//      call returning once the SDL window follows (or the display is stuck)
//  [x] minimized windows minimized on the desktop, not parked off screen
//  [x] presentation and cursor changes without waiting
//  [x] choosing the driver fails with a reason when no display opens
//  [x] clipboard text handed to the desktop without waiting
#include "platform/host/display/sdl/SdlDisplay.h"

#include "platform/host/display/sdl/SdlSession.h"
#include "platform/host/display/sdl/SdlTranslator.h"
#include "platform/host/display/sdl/SdlWindows.h"
#include "platform/host/display/sdl/cursors.h"

namespace nvhost {

namespace {

sdl::SdlSession* session() {
  std::string ignored;
  return sdl::SdlSession::open(ignored);
}

}  // namespace

// The session's windows are reached through commands; SdlSession hands its
// SdlWindows only to code that runs on its thread.
void SdlDisplay::windowShown(HWND window, const RECT& screen) {
  if (auto* s = session()) s->call([s, window, screen] { s->windows().show(window, screen); });
}

void SdlDisplay::windowHidden(HWND window) {
  if (auto* s = session()) s->call([s, window] { s->windows().hide(window); });
}

void SdlDisplay::windowMoved(HWND window, const RECT& screen) {
  auto* s = session();
  if (s == nullptr) return;
  // A minimized window is parked off the screen by the host, as Windows
  // does; the desktop shows it minimized instead. Asked here, on the
  // caller's thread: the host holds no lock while it calls a driver.
  if (IsIconic(window)) {
    s->call([s, window] { s->windows().minimize(window); });
  } else {
    s->call([s, window, screen] { s->windows().move(window, screen); });
  }
}

void SdlDisplay::windowTitleChanged(HWND window, const std::string& cp932Title) {
  if (auto* s = session()) s->call([s, window, cp932Title] { s->windows().setTitle(window, cp932Title); });
}

void SdlDisplay::windowDestroyed(HWND window) {
  if (auto* s = session()) s->call([s, window] { s->destroyWindow(window); });
}

void SdlDisplay::present(HWND window, const RECT& area) {
  if (auto* s = session()) s->requestPresent(window, area);
}

void SdlDisplay::cursorChanged(HCURSOR cursor) {
  if (auto* s = session()) s->post([cursor] { sdl::showCursor(cursor); });
}

void SdlDisplay::clipboardChanged(const std::string& cp932Text) {
  if (auto* s = session()) s->post([s, cp932Text] { s->translator().shareClipboard(cp932Text); });
}

std::unique_ptr<Display> SdlDisplay::create() {
  std::string reason;
  if (sdl::SdlSession::open(reason) == nullptr) return nullptr;
  return std::make_unique<SdlDisplay>();
}

bool SdlDisplay::select(std::string& reason) {
  if (sdl::SdlSession::open(reason) == nullptr) return false;
  if (!selectDisplay("sdl")) {
    reason = "the display must be chosen before the first window exists";
    return false;
  }
  reason.clear();
  return true;
}

}  // namespace nvhost
