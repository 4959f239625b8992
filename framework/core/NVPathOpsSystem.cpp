// The path and text operations that ask the system: where the executable is
// and how large a text is drawn in a font.
#include "framework/core/NVPathOps.h"

#include <vector>

#include "platform/win32.h"

NVString getModuleDirectory() {
  // Grow the buffer until the whole path fits rather than cut it.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return NVString();
    if (n < buffer.size()) return getDirectory(NVString(buffer.data(), n));
    if (buffer.size() >= (1u << 16)) return NVString();
    buffer.resize(buffer.size() * 2);
  }
}

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
