// Rectangle helpers and the non-client frame of the host's windows.
//  [x] borders, dialog frames, sizing frames and captions by style
//  [ ] menus, scroll bars, themes
#include <algorithm>

#include "platform/host/user/WindowRegistry.h"

namespace nvhost {

namespace {
constexpr LONG kBorder = 1;
constexpr LONG kDialogFrame = 3;
constexpr LONG kSizingFrame = 4;
constexpr LONG kCaption = 19;
constexpr LONG kClientEdge = 2;
}  // namespace

RECT frameInsets(DWORD style, DWORD exStyle) {
  LONG side = 0;
  if (style & WS_THICKFRAME) {
    side = kSizingFrame;
  } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
    side = kDialogFrame;
  } else if (style & WS_BORDER) {
    side = kBorder;
  }
  if (exStyle & WS_EX_CLIENTEDGE) side += kClientEdge;
  LONG top = side;
  if ((style & WS_CAPTION) == WS_CAPTION) top += kCaption;
  return RECT{side, top, side, side};
}

bool rectIsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

bool pointInRect(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

RECT intersectRects(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (rectIsEmpty(r)) return RECT{0, 0, 0, 0};
  return r;
}

RECT unionRects(const RECT& a, const RECT& b) {
  if (rectIsEmpty(a)) return b;
  if (rectIsEmpty(b)) return a;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace nvhost

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL /*menu*/, DWORD exStyle) {
  // FIXME: menus are not modelled; the menu flag adds nothing.
  if (rect == nullptr) return FALSE;
  RECT insets = nvhost::frameInsets(style, exStyle);
  rect->left -= insets.left;
  rect->top -= insets.top;
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) { return AdjustWindowRectEx(rect, style, menu, 0); }
