// Window surfaces of the portable host.
//  [x] one surface per shown top-level window, of the window's size, made on
//      first drawing; resizing keeps the top-left part and starts the rest
//      white; surfaces of destroyed or hidden windows are dropped
//  [x] reading back a window (children cut out of their top-level surface)
//      and the whole desktop for display drivers
//  [x] the background eraser: a class brush fills the area being erased,
//      the null brush leaves it alone
//  [ ] a desktop (null window) surface; the frame is never drawn
#include "platform/host/gdi/Surfaces.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>

#include "platform/host/gdi/WindowClip.h"
#include "platform/host/include/nvhost_layered.h"
#include "platform/host/user/WindowDC.h"
#include "platform/host/user/WindowRegistry.h"
#include "platform/win32.h"

namespace nvhost::gdi {

namespace {

std::map<HWND, PixelsRef>& surfaces() {
  static auto* table = new std::map<HWND, PixelsRef>;
  return *table;
}

void eraseWithBrush(HWND /*window*/, HDC dc, HBRUSH brush, const RECT& area) {
  if (brushInfo(brush).null) return;
  FillRect(dc, &area, brush);
}

// The eraser is installed as soon as the surfaces are linked in, which every
// program with a display is: display drivers read surfaces back.
const bool eraserInstalled = [] {
  setBackgroundEraser(&eraseWithBrush);
  return true;
}();

// Set when a surface is made; the next drawing drops the surfaces of windows
// that are gone or hidden (the host lock comes first, so not from here).
std::atomic<bool> sweepDue{false};

// One opaque pixel `alpha`/255 of the way from `below` to `over`.
std::uint32_t blendOpaque(std::uint32_t over, std::uint32_t below, unsigned alpha) {
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned a = (over >> shift) & 0xFF, b = (below >> shift) & 0xFF;
    out |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

// Copies an area of a surface onto an image, opaque; a layered window's
// constant alpha below 255 blends it over what the image holds.
void copyBlock(const PixelBuffer& from, const RECT& area, PixelImage& to, int toX, int toY, unsigned alpha = 255) {
  const RECT part = intersectRects(area, RECT{0, 0, from.width, from.height});
  for (int y = part.top; y < part.bottom; ++y) {
    const int ty = toY + y - area.top;
    if (ty < 0 || ty >= to.height) continue;
    for (int x = part.left; x < part.right; ++x) {
      const int tx = toX + x - area.left;
      if (tx < 0 || tx >= to.width) continue;
      std::uint32_t& target = to.words[static_cast<std::size_t>(ty) * to.width + tx];
      const std::uint32_t pixel = from.words[static_cast<std::size_t>(y) * from.width + x];
      target = alpha >= 255 ? pixel | 0xFF000000u : blendOpaque(pixel, target, alpha);
    }
  }
}

}  // namespace

nvrt::RankedMutex& surfaceMutex() {
  static auto* m = new nvrt::RankedMutex(nvrt::LockRank::surfaces, "surfaceMutex");
  return *m;
}

PixelsRef surfaceLocked(HWND top, int width, int height) {
  (void)eraserInstalled;
  width = std::max(width, 1);
  height = std::max(height, 1);
  auto it = surfaces().find(top);
  if (it != surfaces().end() && it->second->width == width && it->second->height == height) return it->second;
  if (it == surfaces().end()) sweepDue = true;
  auto fresh = std::make_shared<PixelBuffer>();
  fresh->width = width;
  fresh->height = height;
  fresh->words.reset(new std::uint32_t[static_cast<std::size_t>(width) * height]);
  std::fill_n(fresh->words.get(), static_cast<std::size_t>(width) * height, 0xFFFFFFFFu);
  PixelsRef& slot = surfaces()[top];
  if (slot) {
    const int keepWidth = std::min(width, slot->width);
    for (int y = 0; y < std::min(height, slot->height); ++y) {
      std::memcpy(&fresh->words[static_cast<std::size_t>(y) * width],
                  &slot->words[static_cast<std::size_t>(y) * slot->width], static_cast<std::size_t>(keepWidth) * 4);
    }
  }
  slot = fresh;
  return fresh;
}

void sweepStaleSurfaces() {
  if (!sweepDue.exchange(false)) return;
  HostLock lock(hostMutex());
  std::lock_guard surfacesLock(surfaceMutex());
  WindowRegistry& registry = WindowRegistry::get();
  for (auto it = surfaces().begin(); it != surfaces().end();) {
    WindowRecord* r = registry.find(it->first);
    it = (r == nullptr || !registry.shownOnScreen(*r)) ? surfaces().erase(it) : std::next(it);
  }
}

PixelsRef findSurfaceLocked(HWND top) {
  auto it = surfaces().find(top);
  return it == surfaces().end() ? nullptr : it->second;
}

bool readWindowPixels(HWND window, PixelImage& image) {
  HWND top = nullptr;
  RECT area{};
  if (!windowAreaInSurface(window, top, area)) return false;
  image.width = std::max<int>(area.right - area.left, 0);
  image.height = std::max<int>(area.bottom - area.top, 0);
  image.words.assign(static_cast<std::size_t>(image.width) * image.height, 0xFF000000u);
  std::lock_guard lock(surfaceMutex());
  if (PixelsRef surface = findSurfaceLocked(top)) copyBlock(*surface, area, image, 0, 0);
  return true;
}

PixelImage readDesktopPixels() {
  struct Shown {
    HWND window;
    RECT screen;
    unsigned alpha;
  };
  std::vector<Shown> shown;  // bottom first
  PixelImage image;
  {
    HostLock lock(hostMutex());
    WindowRegistry& registry = WindowRegistry::get();
    const RECT desktop = registry.desktop().desktop;
    image.width = desktop.right - desktop.left;
    image.height = desktop.bottom - desktop.top;
    const auto& tops = registry.topLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
      WindowRecord* r = registry.find(*it);
      if (r == nullptr || !r->visible() || r->minimized()) continue;
      const unsigned alpha = (r->exStyle & WS_EX_LAYERED) != 0 ? r->layeredAlpha : 255;
      shown.push_back({*it, registry.screenRect(*r), alpha});
    }
  }
  image.words.assign(static_cast<std::size_t>(image.width) * image.height, 0xFF000000u);
  std::lock_guard lock(surfaceMutex());
  for (const Shown& s : shown) {
    PixelsRef surface = findSurfaceLocked(s.window);
    if (surface == nullptr) continue;
    copyBlock(*surface, RECT{0, 0, s.screen.right - s.screen.left, s.screen.bottom - s.screen.top}, image,
              s.screen.left, s.screen.top, s.alpha);
  }
  return image;
}

}  // namespace nvhost::gdi
