#include "platform/runtime/NativePath.h"
#include "platform/runtime/TextCodec.h"

namespace nvrt {

std::filesystem::path nativePath(std::string_view cp932Path) {
  return std::filesystem::path(cp932NameToUtf8(cp932Path));
}

}  // namespace nvrt
