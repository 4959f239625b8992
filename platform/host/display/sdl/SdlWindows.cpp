// Host top-level windows as borderless SDL windows.
//  [x] show, hide, move and resize at the host's screen rectangle; titles
//  [x] presentation of reported areas only, through the window surface
//  [x] at the display's scale: positions, sizes and pixels times the scale,
//      the desktop's reports divided by it
//  [x] a window shown again, resized or exposed is presented whole
//  [x] a window the host minimizes is minimized on the desktop, and comes
//      back at its place when the host restores it
//  [x] moves and sizes made by the desktop (a window manager, another
//      program) told apart from late reports of this program's own requests
//  [ ] a minimize made by the desktop itself is not seen by the host
#include "platform/host/display/sdl/SdlWindows.h"

#include <algorithm>

#include "platform/host/display/sdl/scaledcopy.h"
#include "platform/host/gdi/Surfaces.h"
#include "platform/runtime/TextCodec.h"

namespace nvhost::sdl {

namespace {

constexpr size_t kMaxAreas = 16;

bool isEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

bool contains(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

RECT bounds(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

// Requests are remembered until reported; the desktop need not report
// every one (a move to where a window already is), so only the last few are
// kept.
constexpr size_t kMaxAsked = 16;

void remember(std::deque<POINT>& asked, POINT p) {
  asked.push_back(p);
  if (asked.size() > kMaxAsked) asked.pop_front();
}

// How long a position asked of the desktop may still come back in a late
// report. SDL reports some moves itself as it asks for them, and the X
// server's report of an earlier move can then come after a later one's.
constexpr Uint32 kLateReportMs = 2000;

void rememberLately(std::deque<std::pair<POINT, Uint32>>& lately, POINT p) {
  const Uint32 now = SDL_GetTicks();
  while (!lately.empty() && (now - lately.front().second > kLateReportMs || lately.size() >= kMaxAsked))
    lately.pop_front();
  lately.emplace_back(p, now);
}

bool askedLately(const std::deque<std::pair<POINT, Uint32>>& lately, POINT p) {
  const Uint32 now = SDL_GetTicks();
  return std::any_of(lately.begin(), lately.end(), [&](const std::pair<POINT, Uint32>& asked) {
    return asked.first.x == p.x && asked.first.y == p.y && now - asked.second <= kLateReportMs;
  });
}

// Whether a report answers one of the requests; that request and every
// older one are then settled.
bool settles(std::deque<POINT>& asked, POINT p) {
  for (auto it = asked.begin(); it != asked.end(); ++it) {
    if (it->x != p.x || it->y != p.y) continue;
    asked.erase(asked.begin(), it + 1);
    return true;
  }
  return false;
}

int widthOf(const RECT& r) { return std::max(1, static_cast<int>(r.right - r.left)); }
int heightOf(const RECT& r) { return std::max(1, static_cast<int>(r.bottom - r.top)); }

}  // namespace

SdlWindows::~SdlWindows() {
  for (auto& [window, entry] : windows_) {
    if (entry.sdl != nullptr) SDL_DestroyWindow(entry.sdl);
  }
}

// Only what changed is asked of the desktop, so that following the
// desktop's own move never asks it to move the window again.
// The host's moves keep the offset of a window the desktop put between two
// of the host's pixels, so that the desktop's move and the program's agree
// on where the window is.
void SdlWindows::place(Entry& entry, const RECT& screen) {
  const bool moved = screen.left != entry.screen.left || screen.top != entry.screen.top;
  const bool sized = widthOf(screen) != widthOf(entry.screen) || heightOf(screen) != heightOf(entry.screen);
  entry.screen = screen;
  if (entry.sdl == nullptr) return;
  if (moved) {
    const POINT at = desktopOrigin(entry);
    remember(entry.movesAsked, at);
    rememberLately(entry.movesLately, at);
    SDL_SetWindowPosition(entry.sdl, at.x, at.y);
  }
  if (sized) {
    const POINT size{scale_.toDesktop(widthOf(screen)), scale_.toDesktop(heightOf(screen))};
    remember(entry.sizesAsked, size);
    SDL_SetWindowSize(entry.sdl, size.x, size.y);
  }
}

POINT SdlWindows::desktopOrigin(const Entry& entry) const {
  return POINT{scale_.toDesktop(entry.screen.left, entry.offset.x), scale_.toDesktop(entry.screen.top, entry.offset.y)};
}

bool SdlWindows::movedByDesktop(HWND window, int x, int y, RECT& screen) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.minimized) return false;
  Entry& entry = it->second;
  if (settles(entry.movesAsked, POINT{x, y})) return false;
  const POINT known = desktopOrigin(entry);
  if (x == known.x && y == known.y) return false;
  if (askedLately(entry.movesLately, POINT{x, y})) return false;
  entry.movesAsked.clear();
  const LONG w = entry.screen.right - entry.screen.left;
  const LONG h = entry.screen.bottom - entry.screen.top;
  entry.offset = POINT{scale_.offsetOf(x), scale_.offsetOf(y)};
  const LONG left = scale_.toHost(x, entry.offset.x);
  const LONG top = scale_.toHost(y, entry.offset.y);
  entry.screen = RECT{left, top, left + w, top + h};
  screen = entry.screen;
  return true;
}

bool SdlWindows::sizedByDesktop(HWND window, int width, int height, RECT& screen) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.minimized || width <= 0 || height <= 0) return false;
  Entry& entry = it->second;
  if (settles(entry.sizesAsked, POINT{width, height})) return false;
  if (width == scale_.toDesktop(widthOf(entry.screen)) && height == scale_.toDesktop(heightOf(entry.screen)))
    return false;
  entry.sizesAsked.clear();
  entry.screen.right = entry.screen.left + scale_.sizeToHost(width);
  entry.screen.bottom = entry.screen.top + scale_.sizeToHost(height);
  screen = entry.screen;
  return true;
}

void SdlWindows::show(HWND window, const RECT& screen) {
  Entry& entry = windows_[window];
  if (entry.sdl == nullptr) {
    const std::string title = nvrt::cp932ToUtf8Display(titles_[window]);
    entry.sdl = SDL_CreateWindow(title.c_str(), scale_.toDesktop(screen.left, entry.offset.x),
                                 scale_.toDesktop(screen.top, entry.offset.y), scale_.toDesktop(widthOf(screen)),
                                 scale_.toDesktop(heightOf(screen)), SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    // FIXME: a window SDL refuses stays invisible; the host is not told.
    if (entry.sdl == nullptr) return;
  }
  place(entry, screen);
  SDL_ShowWindow(entry.sdl);
  entry.shown = true;
  presentWhole(window);
}

void SdlWindows::hide(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.sdl == nullptr) return;
  SDL_HideWindow(it->second.sdl);
  it->second.shown = false;
}

void SdlWindows::move(HWND window, const RECT& screen) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  if (it->second.minimized) {
    // Cleared first, so that SDL's own restore event is not mistaken for
    // the desktop's.
    it->second.minimized = false;
    if (it->second.sdl != nullptr) SDL_RestoreWindow(it->second.sdl);
  }
  const bool resized = widthOf(screen) != widthOf(it->second.screen) || heightOf(screen) != heightOf(it->second.screen);
  place(it->second, screen);
  if (resized && it->second.shown) presentWhole(window);
}

void SdlWindows::minimize(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.sdl == nullptr || it->second.minimized) return;
  it->second.minimized = true;
  SDL_MinimizeWindow(it->second.sdl);
}

bool SdlWindows::isMinimized(HWND window) const {
  auto it = windows_.find(window);
  return it != windows_.end() && it->second.minimized;
}

void SdlWindows::setTitle(HWND window, const std::string& cp932Title) {
  titles_[window] = cp932Title;
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.sdl == nullptr) return;
  SDL_SetWindowTitle(it->second.sdl, nvrt::cp932ToUtf8Display(cp932Title).c_str());
}

void SdlWindows::destroy(HWND window) {
  titles_.erase(window);
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  if (it->second.sdl != nullptr) SDL_DestroyWindow(it->second.sdl);
  windows_.erase(it);
}

void SdlWindows::present(HWND window, const std::vector<RECT>& areas) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.sdl == nullptr || !it->second.shown) return;
  SDL_Surface* target = SDL_GetWindowSurface(it->second.sdl);
  if (target == nullptr) return;
  std::vector<SDL_Rect> copied;
  {
    std::lock_guard lock(gdi::surfaceMutex());
    gdi::PixelsRef source = gdi::findSurfaceLocked(window);
    if (!source || !source->words) return;
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    for (const RECT& area : areas) {
      SDL_Rect r = copyScaled(*source, target, area, scale_.factor(), scratch_);
      if (r.w > 0 && r.h > 0) copied.push_back(r);
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  }
  if (!copied.empty()) SDL_UpdateWindowSurfaceRects(it->second.sdl, copied.data(), static_cast<int>(copied.size()));
}

void SdlWindows::presentWhole(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  present(window, {RECT{0, 0, widthOf(it->second.screen), heightOf(it->second.screen)}});
}

HWND SdlWindows::hostWindow(Uint32 windowId) const {
  for (const auto& [window, entry] : windows_) {
    if (entry.sdl != nullptr && SDL_GetWindowID(entry.sdl) == windowId) return window;
  }
  return nullptr;
}

const SdlWindows::Entry* SdlWindows::entryOf(Uint32 windowId) const {
  for (const auto& [window, entry] : windows_) {
    if (entry.sdl != nullptr && SDL_GetWindowID(entry.sdl) == windowId) return &entry;
  }
  return nullptr;
}

bool SdlWindows::pointInWindow(Uint32 windowId, int x, int y, POINT& screen) const {
  const Entry* entry = entryOf(windowId);
  if (entry == nullptr) return false;
  screen = POINT{entry->screen.left + scale_.toHost(x), entry->screen.top + scale_.toHost(y)};
  return true;
}

POINT SdlWindows::fromDesktop(Uint32 windowId, POINT desktop) const {
  const Entry* entry = entryOf(windowId);
  const POINT offset = entry != nullptr ? entry->offset : POINT{0, 0};
  return POINT{scale_.toHost(desktop.x, offset.x), scale_.toHost(desktop.y, offset.y)};
}

Uint32 SdlWindows::idOf(HWND window) const {
  auto it = windows_.find(window);
  return (it == windows_.end() || it->second.sdl == nullptr) ? 0 : SDL_GetWindowID(it->second.sdl);
}

bool SdlWindows::originOf(HWND window, POINT& origin) const {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.sdl == nullptr || !it->second.shown) return false;
  origin = POINT{it->second.screen.left, it->second.screen.top};
  return true;
}

void SdlWindows::addArea(std::vector<RECT>& areas, const RECT& area) {
  if (isEmpty(area)) return;
  for (const RECT& known : areas) {
    if (contains(known, area)) return;
  }
  areas.push_back(area);
  if (areas.size() <= kMaxAreas) return;
  RECT all = areas.front();
  for (const RECT& r : areas) all = bounds(all, r);
  areas.assign(1, all);
}

}  // namespace nvhost::sdl
