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
