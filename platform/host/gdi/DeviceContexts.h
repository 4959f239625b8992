// Drawing state of the portable host's device contexts: memory contexts made
// by CreateCompatibleDC, and the window contexts that user32 hands out, whose
// state gdi keeps beside user32's record.
#pragma once

#include "platform/host/gdi/GdiObjects.h"

namespace nvhost::gdi {

struct DCState {
  bool memory = false;
  int bkMode = OPAQUE;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  HGDIOBJ bitmap = nullptr;  // memory contexts only
  PixelsRef pixels;
  HGDIOBJ font = nullptr;
  text::FontRef fontRef;
  HGDIOBJ brush = nullptr;
};

// A copy of a context's state; false when the handle is neither a memory
// context nor a live window context. The copy shares the selected pixels and
// font, so both stay alive while the caller draws.
bool dcState(HDC dc, DCState& state);

// The window a live window context draws into (null for the screen), and
// whether the handle is one.
bool windowOfDC(HDC dc, HWND& window);

// The font a context draws with: the selected one or the system font.
text::FontRef selectedFont(const DCState& state);

}  // namespace nvhost::gdi
