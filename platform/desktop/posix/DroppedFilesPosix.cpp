#include "platform/desktop/DroppedFiles.h"

namespace nvrt {

// The portable host already answers in code page 932 names.
std::vector<std::string> droppedFiles(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    path.resize(DragQueryFileA(drop, i, path.data(), length + 1));
    paths.push_back(path);
  }
  return paths;
}

}  // namespace nvrt
