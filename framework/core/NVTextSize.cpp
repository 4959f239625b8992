// The text measurer of the path-operation group, apart from the path
// operations: it reaches the system's drawing and text services, which a
// program that only handles paths (the terminal conversion) need not load.
#include "framework/core/NVPathOps.h"
#include "platform/win32.h"

SIZE getTextSize(NVString text, HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return SIZE{0, 0};
  HGDIOBJ previous = SelectObject(dc, font);
  const DWORD extent = GetTabbedTextExtentA(dc, text.cStr(), text.length(), 0, nullptr);
  if (previous != nullptr) SelectObject(dc, previous);
  DeleteDC(dc);
  LONG lines = 1;
  for (char c : text.bytes()) lines += c == '\n' ? 1 : 0;
  return SIZE{static_cast<LONG>(LOWORD(extent)), static_cast<LONG>(HIWORD(extent)) * lines};
}
