// The sdl display driver: every visible top-level window of the host as a
// borderless SDL window, with the desktop's input brought back to the host.
// This header does not include SDL.
#pragma once

#include <string>

#include "platform/host/display/Display.h"

namespace nvhost {

class SdlDisplay final : public Display {
 public:
  const char* name() const override { return "sdl"; }
  void windowShown(HWND window, const RECT& screen) override;
  void windowHidden(HWND window) override;
  void windowMoved(HWND window, const RECT& screen) override;
  void windowTitleChanged(HWND window, const std::string& cp932Title) override;
  void windowDestroyed(HWND window) override;
  void present(HWND window, const RECT& area) override;
  void cursorChanged(HCURSOR cursor) override;
  void clipboardChanged(const std::string& cp932Text) override;

  // Chooses the sdl driver before the first window. False when no display
  // can be opened (no X server, DISPLAY unset, SDL_VIDEODRIVER naming a
  // driver that cannot start) or when windows already exist; `reason` then
  // says which, in words for a person. Never waits for a display.
  static bool select(std::string& reason);

  // The driver as displays.cpp creates it: null when SDL cannot open a
  // display.
  static std::unique_ptr<Display> create();
};

}  // namespace nvhost
