// The SDL windows that show the host's visible top-level windows, at the
// display's scale: the host's rectangles are in its own pixels, the SDL
// windows' in the desktop's. Used on the display thread only, so it needs no
// lock of its own.
#pragma once

#include <SDL.h>

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/display/sdl/DisplayScale.h"
#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

class SdlWindows {
 public:
  explicit SdlWindows(DisplayScale scale = DisplayScale()) : scale_(scale) {}
  SdlWindows(const SdlWindows&) = delete;
  SdlWindows& operator=(const SdlWindows&) = delete;
  ~SdlWindows();

  void show(HWND window, const RECT& screen);
  void hide(HWND window);
  void move(HWND window, const RECT& screen);
  // The host minimized the window: the desktop shows it minimized (with its
  // taskbar button) instead of moving it off the screen.
  void minimize(HWND window);
  bool isMinimized(HWND window) const;
  void setTitle(HWND window, const std::string& cp932Title);
  void destroy(HWND window);

  // Copies the host's pixels of the given areas (window coordinates) to the
  // window and shows only those.
  void present(HWND window, const std::vector<RECT>& areas);
  void presentWhole(HWND window);

  const DisplayScale& scale() const { return scale_; }

  // The host window an SDL window shows; null for a window that is not ours.
  HWND hostWindow(Uint32 windowId) const;
  Uint32 idOf(HWND window) const;
  // The host's screen origin of a shown window; false for a window not
  // shown.
  bool originOf(HWND window, POINT& origin) const;
  // A point of an SDL window (its own desktop pixels from its top left
  // corner) as the host's screen point; false for a window not ours.
  bool pointInWindow(Uint32 windowId, int x, int y, POINT& screen) const;
  // A point of the desktop as the host's screen point, by the offset of the
  // window it was seen over (none for a window not ours).
  POINT fromDesktop(Uint32 windowId, POINT desktop) const;

  // SDL reports where the desktop put a window (data of a moved or a size
  // changed event, in desktop pixels). True, with the window's new screen
  // rectangle in the host's pixels, when the desktop put it somewhere else
  // than this program asked: a window manager or another program moved it.
  // Reports that confirm this program's own requests, late ones included,
  // give false.
  bool movedByDesktop(HWND window, int x, int y, RECT& screen);
  bool sizedByDesktop(HWND window, int width, int height, RECT& screen);

  // Adds an area to a list of areas waiting for presentation, keeping the
  // list short: past a few areas they become their bounding rectangle.
  static void addArea(std::vector<RECT>& areas, const RECT& area);

 private:
  struct Entry {
    SDL_Window* sdl = nullptr;
    RECT screen{};
    // Where the desktop has the window beyond the host's position times
    // the scale: 0 unless the desktop put it at a place between two of the
    // host's pixels.
    POINT offset{};
    bool shown = false;
    bool minimized = false;
    // Positions and sizes asked of the desktop (in its pixels) and not yet
    // reported back, oldest first.
    std::deque<POINT> movesAsked;
    std::deque<POINT> sizesAsked;
    // Every position asked lately (or shown at), with its time: a report of
    // one of them that comes after a later one is stale, not the desktop's.
    std::deque<std::pair<POINT, Uint32>> movesLately;
  };
  void place(Entry& entry, const RECT& screen);
  POINT desktopOrigin(const Entry& entry) const;
  const Entry* entryOf(Uint32 windowId) const;

  DisplayScale scale_;
  std::vector<Uint8> scratch_;
  std::map<HWND, Entry> windows_;
  std::map<HWND, std::string> titles_;
};

}  // namespace nvhost::sdl
