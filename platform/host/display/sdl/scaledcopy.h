// The host's pixels copied into an SDL surface that shows each of them as a
// block of whole desktop pixels.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/host/gdi/GdiObjects.h"
#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

// Copies the pixels inside `area` (window pixels of the host) into `target`,
// each as a `scale` x `scale` block (nearest neighbour: every block exactly
// the colour of its pixel, as the surface's format holds it at scale 1).
// The area is clipped to the source and to the part of the target that
// holds whole blocks. Returns the rectangle of the target written (empty
// for none). `scratch` is working memory the caller keeps between calls.
SDL_Rect copyScaled(const gdi::PixelBuffer& source, SDL_Surface* target, RECT area, int scale,
                    std::vector<Uint8>& scratch);

}  // namespace nvhost::sdl
