#include "framework/core/NVPathOps.h"

#include "platform/runtime/PathSplit.h"

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
