// Block transfers of the portable host.
//  [x] BitBlt SRCCOPY between any two contexts (memory and window, either
//      way, and within one), clipped to the target's visible area and to
//      the source's pixels; BLACKNESS and WHITENESS
//  [x] what a blit changes in a window surface is presented to the display
//  [ ] other raster operations, StretchBlt, reading the screen context
#include <vector>

#include "platform/host/gdi/DrawTarget.h"
#include "platform/host/gdi/PixelOps.h"
#include "platform/host/user/WindowRegistry.h"
#include "platform/win32.h"

using namespace nvhost::gdi;

namespace {

BOOL fillBlit(DrawTarget& target, const RECT& area, std::uint32_t value) {
  TargetAccess access(target);
  if (target.words == nullptr) return TRUE;
  for (const RECT& clip : target.clips) {
    const RECT part = nvhost::intersectRects(area, clip);
    if (nvhost::rectIsEmpty(part)) continue;
    fillPixels(target.words, target.width, part, value);
    target.markChanged(part);
  }
  return TRUE;
}

// Copies within one buffer read a snapshot, so that one clip rectangle's
// copy never feeds another's.
void copyBlit(DrawTarget& target, const RECT& area, const DrawTarget& source, int dx, int dy) {
  const RECT sourceBounds{-dx, -dy, source.width - dx, source.height - dy};
  std::vector<std::uint32_t> snapshot;
  const std::uint32_t* from = source.words;
  if (source.words == target.words) {
    snapshot.assign(source.words, source.words + static_cast<std::size_t>(source.width) * source.height);
    from = snapshot.data();
  }
  for (const RECT& clip : target.clips) {
    const RECT part = nvhost::intersectRects(nvhost::intersectRects(area, clip), sourceBounds);
    if (nvhost::rectIsEmpty(part)) continue;
    copyPixels(target.words, target.width, part, from, source.width, dx, dy);
    target.markChanged(part);
  }
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
  DrawTarget target;
  if (!resolveTarget(dest, target)) return FALSE;
  const RECT area{x + target.originX, y + target.originY, x + target.originX + width, y + target.originY + height};
  if (rop == BLACKNESS) return fillBlit(target, area, 0x00000000u);
  if (rop == WHITENESS) return fillBlit(target, area, 0xFFFFFFFFu);
  if (rop != SRCCOPY) return FALSE;
  DrawTarget from;
  if (!resolveTarget(source, from)) return FALSE;
  TargetAccess access(target, &from);
  if (target.words == nullptr || from.words == nullptr || width <= 0 || height <= 0) return TRUE;
  const int dx = (sourceX + from.originX) - (x + target.originX);
  const int dy = (sourceY + from.originY) - (y + target.originY);
  copyBlit(target, area, from, dx, dy);
  return TRUE;
}
