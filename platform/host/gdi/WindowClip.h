// Where a window's device context draws: its top-level window's surface, the
// offset of its client area in that surface, and the visible part of it as
// rectangles of surface pixels.
#pragma once

#include <vector>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::gdi {

struct WindowPlacement {
  HWND top = nullptr;    // the top-level window that owns the surface
  int surfaceWidth = 0;  // the top-level window's size
  int surfaceHeight = 0;
  int originX = 0;  // the client area's top-left in surface pixels
  int originY = 0;
  std::vector<RECT> clips;  // visible client area, surface pixels, disjoint
};

// False for a window that does not exist. A hidden window gives no clips.
// Takes the host lock.
bool placeWindow(HWND window, WindowPlacement& placement);

// The rectangle of a window (frame included) in its top-level surface.
bool windowAreaInSurface(HWND window, HWND& top, RECT& area);

// Rectangle lists: what is left of a set of disjoint rectangles after taking
// one rectangle away (still disjoint), and their intersection with one.
std::vector<RECT> subtractRect(const std::vector<RECT>& rects, const RECT& cut);
std::vector<RECT> clipRects(const std::vector<RECT>& rects, const RECT& bounds);

}  // namespace nvhost::gdi
