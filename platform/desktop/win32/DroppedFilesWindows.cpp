#include "platform/desktop/DroppedFiles.h"
#include "platform/runtime/TextCodec.h"

namespace nvrt {

// The narrow query answers in the system's code page, which loses characters
// of a name (and every Japanese one on a Western system); the wide query has
// them all.
std::vector<std::string> droppedFiles(HDROP drop) {
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
    paths.push_back(wideToCp932Name(std::u16string(path.begin(), path.end())));
  }
  return paths;
}

}  // namespace nvrt
