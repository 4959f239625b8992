// The pixels of every shown top-level window: one 32-bit B, G, R, A buffer
// of the window's size, kept by gdi and read back by display drivers.
#pragma once

#include <cstdint>
#include <mutex>

#include "platform/runtime/RankedMutex.h"
#include <vector>

#include "platform/host/gdi/GdiObjects.h"

namespace nvhost::gdi {

// Guards every surface. Taken after, never around, the host lock.
nvrt::RankedMutex& surfaceMutex();

// The surface of a top-level window at the given size, created (white) or
// resized (keeping the top-left part) as needed. Under surfaceMutex.
PixelsRef surfaceLocked(HWND top, int width, int height);
// Drops the surfaces of windows that are gone or hidden, once a surface has
// been made since the last sweep. Takes the host lock and then surfaceMutex;
// called with neither held.
void sweepStaleSurfaces();
// The surface, or null if the window has none yet. Under surfaceMutex.
PixelsRef findSurfaceLocked(HWND top);

// Pixels copied out of surfaces for display drivers and tests. Windows are
// opaque on screen, so the alpha of every pixel read back is 255.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> words;  // 0xAARRGGBB, top-down
};

// A window's pixels, frame included: false for no window.
bool readWindowPixels(HWND window, PixelImage& image);
// The desktop: shown top-level windows, bottom first, over black.
PixelImage readDesktopPixels();

}  // namespace nvhost::gdi
