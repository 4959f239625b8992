// kernel32 on the portable host.
//  [x] GetModuleFileNameA for the running executable, as code page 932 bytes
//  [ ] modules other than the executable
#include "platform/win32.h"

#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "platform/runtime/TextCodec.h"

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
  if (module != nullptr || fileName == nullptr || size == 0) return 0;
  std::string utf8(PATH_MAX, '\0');
  ssize_t n = readlink("/proc/self/exe", utf8.data(), utf8.size());
  if (n <= 0) return 0;
  utf8.resize(static_cast<size_t>(n));
  const std::string cp932 = nvrt::utf8ToCp932Name(utf8);
  // Like Windows: a result that does not fit is cut and terminated, and the
  // full buffer size is returned.
  if (cp932.size() >= size) {
    std::memcpy(fileName, cp932.data(), size - 1);
    fileName[size - 1] = '\0';
    return size;
  }
  std::memcpy(fileName, cp932.c_str(), cp932.size() + 1);
  return static_cast<DWORD>(cp932.size());
}
