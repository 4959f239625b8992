// Brushes and rectangle fills of the portable host.
//  [x] CreateSolidBrush
//  [x] FillRect into memory and window contexts (the null brush fills
//      nothing), presented to the display for windows
//  [ ] system-colour brushes (COLOR_* + 1), patterned and hatched brushes
#include <memory>

#include "platform/host/gdi/DrawTarget.h"
#include "platform/host/gdi/PixelOps.h"
#include "platform/host/user/WindowRegistry.h"
#include "platform/win32.h"

using namespace nvhost::gdi;

HBRUSH CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(addObject(std::make_unique<Brush>(color & 0xFFFFFF, false)));
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  const BrushInfo info = brushInfo(brush);
  DrawTarget target;
  if (rect == nullptr || !info.valid || !resolveTarget(dc, target)) return 0;
  if (info.null) return 1;
  const RECT area{rect->left + target.originX, rect->top + target.originY, rect->right + target.originX,
                  rect->bottom + target.originY};
  TargetAccess access(target);
  if (target.words == nullptr) return 1;
  for (const RECT& clip : target.clips) {
    const RECT part = nvhost::intersectRects(area, clip);
    if (nvhost::rectIsEmpty(part)) continue;
    fillPixels(target.words, target.width, part, gdiPixel(info.color));
    target.markChanged(part);
  }
  return 1;
}
