#include "framework/core/NVPathOps.h"

#include <vector>

#include "platform/runtime/PathSplit.h"
#include "platform/win32.h"

NVString getExtension(NVString path) {
  const std::string ext = nvrt::splitPath(path.bytes()).extension;
  return ext.empty() ? NVString() : NVString(ext.substr(1));
}

NVString getFileName(NVString path) {
  const nvrt::SplitPath parts = nvrt::splitPath(path.bytes());
  return NVString(parts.name + parts.extension);
}

NVString getBaseName(NVString path) { return NVString(nvrt::splitPath(path.bytes()).name); }

NVString getDirectory(NVString path) {
  const nvrt::SplitPath parts = nvrt::splitPath(path.bytes());
  return NVString(parts.drive + parts.directory);
}

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
