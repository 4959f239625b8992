#include "platform/runtime/NativePath.h"
#include "platform/runtime/TextCodec.h"

namespace nvrt {

std::filesystem::path nativePath(std::string_view cp932Path) {
  const std::u16string wide = cp932NameToWide(cp932Path);
  return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

}  // namespace nvrt
