// The SDL windows that show the host's visible top-level windows. Used on
// the display thread only, so it needs no lock of its own.
#pragma once

#include <SDL.h>

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

class SdlWindows {
 public:
  SdlWindows() = default;
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

  // The host window an SDL window shows and its screen origin; null for a
  // window that is not ours.
  HWND hostWindow(Uint32 windowId, POINT* origin = nullptr) const;
  Uint32 idOf(HWND window) const;
  // The screen origin of a shown window; false for a window not shown.
  bool originOf(HWND window, POINT& origin) const;

  // SDL reports where the desktop put a window (data of a moved or a size
  // changed event). True, with the window's new screen rectangle, when the
  // desktop put it somewhere else than this program asked: a window manager
  // or another program moved it. Reports that confirm this program's own
  // requests, late ones included, give false.
  bool movedByDesktop(HWND window, int x, int y, RECT& screen);
  bool sizedByDesktop(HWND window, int width, int height, RECT& screen);

  // Adds an area to a list of areas waiting for presentation, keeping the
  // list short: past a few areas they become their bounding rectangle.
  static void addArea(std::vector<RECT>& areas, const RECT& area);

 private:
  struct Entry {
    SDL_Window* sdl = nullptr;
    RECT screen{};
    bool shown = false;
    bool minimized = false;
    // Positions and sizes asked of the desktop and not yet reported back,
    // oldest first.
    std::deque<POINT> movesAsked;
    std::deque<POINT> sizesAsked;
    // Every position asked lately (or shown at), with its time: a report of
    // one of them that comes after a later one is stale, not the desktop's.
    std::deque<std::pair<POINT, Uint32>> movesLately;
  };
  void place(Entry& entry, const RECT& screen);

  std::map<HWND, Entry> windows_;
  std::map<HWND, std::string> titles_;
};

}  // namespace nvhost::sdl
